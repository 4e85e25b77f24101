// Handling the waiting window messages in the middle of a long step, so the program stays
// responsive while, for example, the sixty second hand pictures are rotated.
#pragma once

namespace tikora {

// Dispatches every message waiting for this thread, then returns. A quit request met on the way
// is posted again, so the message loop still ends the program when control gets back to it.
void pumpWaitingMessages();

}  // namespace tikora
