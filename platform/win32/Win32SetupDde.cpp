#include <windows.h>

#include <ddeml.h>

#include "platform/win32/Win32Setup.h"

namespace platform::win32 {
namespace {

// A client takes part in no transaction it did not start.
HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// One DDEML instance with its two string handles and its conversation;
// each is given back in reverse order of taking.
class Conversation final : public DdeConversation {
public:
    ~Conversation() override {
        if (conversation_) ::DdeDisconnect(conversation_);
        if (topic_) ::DdeFreeStringHandle(instance_, topic_);
        if (service_) ::DdeFreeStringHandle(instance_, service_);
        if (instance_) ::DdeUninitialize(instance_);
    }

    bool Open(const std::string& service, const std::string& topic) {
        if (::DdeInitializeA(&instance_, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
            instance_ = 0;
            return false;
        }
        service_ = ::DdeCreateStringHandleA(instance_, service.c_str(), CP_WINANSI);
        topic_ = ::DdeCreateStringHandleA(instance_, topic.c_str(), CP_WINANSI);
        if (!service_ || !topic_) return false;
        conversation_ = ::DdeConnect(instance_, service_, topic_, nullptr);
        return conversation_ != nullptr;
    }

    bool Execute(const std::string& command, std::uint32_t timeoutMs) override {
        DWORD result = 0;
        // The command travels with its terminating zero.
        std::string text = command;
        const HDDEDATA r = ::DdeClientTransaction(reinterpret_cast<LPBYTE>(text.data()),
                                                  static_cast<DWORD>(text.size() + 1), conversation_, nullptr, 0,
                                                  XTYP_EXECUTE, timeoutMs, &result);
        return r != nullptr;
    }

private:
    DWORD instance_ = 0;
    HSZ service_ = nullptr;
    HSZ topic_ = nullptr;
    HCONV conversation_ = nullptr;
};

}  // namespace

std::unique_ptr<DdeConversation> Win32DdeClient::Connect(const std::string& service, const std::string& topic) {
    auto conversation = std::make_unique<Conversation>();
    if (!conversation->Open(service, topic)) return nullptr;
    return conversation;
}

}  // namespace platform::win32
