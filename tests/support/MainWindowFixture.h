#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/MainWindow.h"
#include "fakes/FakeServices.h"
#include "support/TempFolder.h"
#include "whois/Json.h"

namespace quillmark::testing {

using Rows = std::vector<std::vector<std::string>>;

// The records of RFC 4180 text; nothing for a stray quote, a bare line end or a last line without CR LF.
inline std::optional<Rows> ReadCsv(std::string_view text) {
    Rows rows(1);
    for (std::size_t i = 0; i < text.size();) {
        std::string field;
        if (text[i] == '"') {  // to the closing quote; a doubled quote is one quote of the field
            for (++i; i < text.size() && (text[i] != '"' || text.substr(i, 2) == "\"\""); ++i)
                field += text[i] == '"' ? text[i++] : text[i];
            if (i++ >= text.size()) return std::nullopt;
        } else {
            const std::size_t end = std::min(text.find_first_of(",\"\r\n", i), text.size());
            field = text.substr(i, end - i), i = end;
        }
        rows.back().push_back(std::move(field));
        if (text.substr(i, 1) == ",") {
            ++i;
        } else if (text.substr(i, 2) == "\r\n") {
            if ((i += 2) < text.size()) rows.emplace_back();
        } else {
            return std::nullopt;
        }
    }
    return rows;
}

// A JSON array of flat objects as rows: the member names, then each object's values as written.
inline std::optional<Rows> JsonRows(std::string_view text) {
    const auto array = whois::json::Parse(text);
    if (!array || array->kind != whois::json::Value::Kind::Array) return std::nullopt;
    Rows rows;
    for (const auto& object : array->items) {
        std::vector<std::string> names, values;
        names = object.names;
        for (const auto& value : object.items) values.push_back(value.text);
        if (rows.empty()) rows.push_back(names);
        if (names != rows.front()) return std::nullopt;
        rows.push_back(values);
    }
    return rows;
}

// A loaded main window over fake services in a fresh program folder, with a
// server table whose every row is known and five phrases that mean free.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        folder.write(
            "registrars.txt",
            "proxy|127.0.0.1|43|Enabled\r\ncom|whois.test|4343|Enabled\r\nnet|whois.net.test|43|Enabled\r\n"
            "org|whois.org.test|4444|Disabled\r\n\r\n");
        std::string rules;
        for (const char* phrase :
             {"no match", "not registered", "not found", "available for registration", "no domain records"})
            rules += std::string("*\tfree\t") + phrase + "\n";
        folder.write("replyrules.txt", rules);
        services.settingsFake.SaveSetting("Quillmark", "Settings", "WhoisOnly", "1");
        hooks.nameListed = [this](std::string_view name, MainWindowHooks::Verdict verdict,
                                  std::string_view by) {
            listed.emplace_back(std::string(name), verdict);
            judgedBy[std::string(name)] =
                (verdict == MainWindowHooks::Verdict::Taken ? "taken " : "free ") + std::string(by);
        };
        hooks.runStopped = [this] { ++stops; };
        hooks.showOverflowNotice = [this] { ++notices; };
        hooks.nameUnjudged = [this](std::string_view name) { unjudged.emplace_back(name); };
        hooks.nameUnchecked = [this](std::string_view name, std::string_view reason, std::string_view by) {
            judgedBy[std::string(name)] = std::string(reason) + " " + std::string(by);
            unchecked.push_back(std::string(name) + "|" + std::string(reason));
        };
    }

    MainWindow& load() {
        form = std::make_unique<MainWindow>(services, state, hooks);
        form->Load();
        return *form;
    }

    // Writes a list file and makes it the "Custom List" source.
    void chooseCustomList(const std::vector<std::string>& names) {
        folder.write("list.txt", lines(names));
        services.dialogsFake.answers.push_back((folder / "list.txt").string());
        choose("Custom List");
    }

    // Loads the window and runs it over a custom list of the names.
    void start(const std::vector<std::string>& list) {
        load();
        chooseCustomList(list);
        form->Start();
    }

    static std::string lines(const std::vector<std::string>& names) {
        std::string bytes;
        for (const auto& name : names) bytes += name + "\r\n";
        return bytes;
    }
    // "name<first>" to "name<last>", each followed by the suffix.
    static std::vector<std::string> names(int first, int last, const char* suffix = "") {
        std::vector<std::string> list;
        for (int i = first; i <= last; ++i) list.push_back("name" + std::to_string(i) + suffix);
        return list;
    }

    void choose(std::string_view item) {
        form->searchType.setText(std::string(item));
        form->ChooseSearchType();
    }

    FakeTcpClient& client(int slot) { return *services.clients.at(static_cast<std::size_t>(slot)); }

    // The server of a slot answers and closes.
    void answer(int slot, std::string_view reply) {
        client(slot).raiseConnected();
        if (!reply.empty()) client(slot).raiseData(reply);
        client(slot).raiseClosed();
    }

    std::string setting(std::string_view application, std::string_view key) const {
        return services.settingsFake.stored(application, key).value_or("<unset>");
    }

    TempFolder folder;
    FakeServices services;
    ProgramState state{folder.path()};
    MainWindowHooks hooks;
    std::unique_ptr<MainWindow> form;
    std::vector<std::pair<std::string, MainWindowHooks::Verdict>> listed;
    std::vector<std::string> unjudged;
    std::vector<std::string> unchecked;           // "name|reason"
    std::map<std::string, std::string> judgedBy;  // name -> "free|taken|REASON PROTOCOL"
    int stops = 0, notices = 0;
};

}  // namespace quillmark::testing
