// Dynamic data exchange, client side only: a conversation with a service on
// a topic that takes execute strings (Program Manager: "PROGMAN"/"PROGMAN").
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class DdeConversation {
public:
    virtual ~DdeConversation() = default;  // disconnects and frees the string handles
    // One execute transaction; the command travels with its terminating zero.
    virtual bool Execute(const std::string& command, std::uint32_t timeoutMs) = 0;
};

class DdeClient {
public:
    virtual ~DdeClient() = default;
    // Null when no server answers.
    virtual std::unique_ptr<DdeConversation> Connect(const std::string& service, const std::string& topic) = 0;
};

}  // namespace platform
