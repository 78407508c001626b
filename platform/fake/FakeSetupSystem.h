// The setup program's system services in memory: version word, module
// name, environment, file languages, restart, DirectX level, program
// starts, Program Manager conversations and shortcut files.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dde.h"
#include "platform/DirectX.h"
#include "platform/Processes.h"
#include "platform/SetupSystem.h"
#include "platform/ShellLink.h"

namespace platform::fake {

class FakeSetupSystem final : public SetupSystem {
public:
    std::uint32_t Version() override { return version; }
    std::string ModuleFileName() override { return moduleFileName; }
    std::string ExpandEnvironment(const std::string& text) override {
        std::string out;
        std::size_t i = 0;
        while (i < text.size()) {
            const auto end = text[i] == '%' ? text.find('%', i + 1) : std::string::npos;
            auto it = end == std::string::npos ? environment.end() : environment.find(text.substr(i + 1, end - i - 1));
            if (it != environment.end()) {
                out += it->second;
                i = end + 1;
            } else {
                out += text[i++];
            }
        }
        return out;
    }
    std::optional<std::uint16_t> FileLanguage(const std::string& path) override {
        auto it = languages.find(path);
        if (it == languages.end()) return std::nullopt;
        return it->second;
    }
    bool ExitWindowsReboot() override {
        events.push_back("reboot");
        return rebootWorks || privilegeEnabled;
    }
    bool EnableShutdownPrivilege() override {
        events.push_back("privilege");
        if (!tokenOpens) return false;
        privilegeEnabled = true;
        return true;
    }

    std::uint32_t version = 0x0A280105;                        // an NT-family word
    std::string moduleFileName = "D:\\SETUP.EXE";
    std::map<std::string, std::string> environment;            // names as written between '%'
    std::map<std::string, std::uint16_t> languages;            // file path -> language id
    bool rebootWorks = false;                                  // without the privilege
    bool tokenOpens = true;
    bool privilegeEnabled = false;
    std::vector<std::string> events;
};

class FakeDirectXProbe final : public DirectXProbe {
public:
    std::uint32_t ProbeDirectXLevel() override { return level; }
    std::uint32_t level = kDirectXLevel8;
};

class RecordingProcesses final : public Processes {
public:
    struct Start {
        std::string commandLine;
        int show = 0;
    };
    bool Run(const std::string& commandLine, int show) override {
        runs.push_back({commandLine, show});
        return true;
    }
    bool Open(const std::string& document) override {
        opened.push_back(document);
        return true;
    }
    std::vector<Start> runs;
    std::vector<std::string> opened;
};

// Program Manager: every conversation and every executed command, in order.
class FakeDde final : public DdeClient {
public:
    struct Execution {
        std::string service, topic, command;
        std::uint32_t timeoutMs = 0;
    };
    std::unique_ptr<DdeConversation> Connect(const std::string& service, const std::string& topic) override {
        events.push_back("connect " + service + " " + topic);
        if (!serverAnswers) return nullptr;
        return std::make_unique<Conversation>(*this, service, topic);
    }
    bool serverAnswers = true;
    std::vector<Execution> executions;
    std::vector<std::string> events;

private:
    class Conversation final : public DdeConversation {
    public:
        Conversation(FakeDde& owner, std::string s, std::string t) : owner_(owner), service_(std::move(s)), topic_(std::move(t)) {}
        ~Conversation() override { owner_.events.push_back("disconnect"); }
        bool Execute(const std::string& command, std::uint32_t timeoutMs) override {
            owner_.executions.push_back({service_, topic_, command, timeoutMs});
            owner_.events.push_back("execute " + command);
            return true;
        }

    private:
        FakeDde& owner_;
        std::string service_, topic_;
    };
};

class FakeShellLinks final : public ShellLinks {
public:
    std::int32_t Create(const std::string& linkFile, const ShellLinkSpec& link) override {
        links[linkFile] = link;
        order.push_back(linkFile);
        return result;
    }
    std::map<std::string, ShellLinkSpec> links;
    std::vector<std::string> order;
    std::int32_t result = 0;
};

}  // namespace platform::fake
