#include "framework/messages/request_payloads.h"

#include <map>

namespace zv::msg {
namespace {

std::map<std::intptr_t, std::any>& Payloads() {
  static std::map<std::intptr_t, std::any> payloads;
  return payloads;
}

}  // namespace

std::intptr_t PutRequestPayload(std::any payload) {
  static std::intptr_t last = 0;
  Payloads()[++last] = std::move(payload);
  return last;
}

std::any TakeRequestPayload(std::intptr_t ticket) {
  auto& payloads = Payloads();
  const auto found = payloads.find(ticket);
  if (found == payloads.end()) return {};
  std::any payload = std::move(found->second);
  payloads.erase(found);
  return payload;
}

}  // namespace zv::msg
