#pragma once
// What a queued request names (a document, an entity, a list of ids) is
// kept here by copy under a ticket that the request carries in place of a
// pointer: the sender's own objects may be gone by the time the request is
// delivered. The receiver takes the payload back exactly once; a request
// dropped unread leaves its payload until the program ends.

#include <any>
#include <cstdint>

namespace zv::msg {

// Keeps a payload; its ticket (never 0).
std::intptr_t PutRequestPayload(std::any payload);
// Takes a payload back (empty for an unknown or already taken ticket).
std::any TakeRequestPayload(std::intptr_t ticket);

}  // namespace zv::msg
