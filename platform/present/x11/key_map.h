#pragma once
// X keysyms to the virtual-key codes the window system's key messages carry.
namespace qv::present::x11 {

// The virtual-key code of the key whose unshifted keysym this is; 0 for a key the program
// has no code for.
int virtualKeyOf(unsigned long keysym);

}  // namespace qv::present::x11
