#pragma once

// Makes Qt send painted pictures to the X server over the connection instead of through
// shared memory. With shared memory Qt waits for the server before every paint that touches
// what it sent last, which for moving sprites is every frame: a round trip and two more
// wake-ups of the server per frame. Call before the QApplication is made.
void sendPicturesOverTheConnection();
