#pragma once

// What a screen reader makes of the game's own controls: a picture that takes clicks (a menu
// button, a key box) and a label that takes clicks ("Help", "Skip Intro") are push buttons
// it can press; other pictures are graphics; each window is a window named by its title.
// Installed once, by the first such control.
namespace accessible {

void installFactory();

} // namespace accessible
