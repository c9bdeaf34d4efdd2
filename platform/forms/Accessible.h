#pragma once

// What a screen reader makes of this layer's own controls: a PictureBox that takes clicks and a
// label with a ClickWatcher are push buttons it can press; other pictures are graphics; each
// Form is a window named by its title.
// Installed once, by the first such control.
namespace accessible {

void installFactory();

} // namespace accessible
