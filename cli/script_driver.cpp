#include "cli/script_driver.h"

#include "platform/automation.h"
#include "shell/shell.h"

#include <QCoreApplication>
#include <QEvent>

#include <charconv>
#include <iostream>
#include <optional>
#include <string_view>

namespace zarn {
namespace {

std::optional<int> parse_id(std::string_view text)
{
    int id = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || text[0] == '+' ||
        id <= 0 || id > 65535)
        return std::nullopt;
    return id;
}

struct StepError {
    std::string why;
};

// Splits "ID REST" into the id and the text after the one blank that follows it.
std::pair<int, std::string> id_and_text(std::string_view args, const char* verb)
{
    size_t blank = args.find(' ');
    std::string_view id_text = args.substr(0, blank);
    auto id = parse_id(id_text);
    if (!id)
        throw StepError{std::string(verb) + " needs a control id, not \"" + std::string(id_text) +
                        "\""};
    std::string rest =
        blank == std::string_view::npos ? std::string() : std::string(args.substr(blank + 1));
    return {*id, rest};
}

std::vector<int> id_list(std::string_view args)
{
    std::vector<int> ids;
    while (!args.empty()) {
        size_t blank = args.find(' ');
        std::string_view word = args.substr(0, blank);
        if (!word.empty()) {
            auto id = parse_id(word);
            if (!id) throw StepError{"show needs control ids, not \"" + std::string(word) + "\""};
            ids.push_back(*id);
        }
        if (blank == std::string_view::npos) break;
        args.remove_prefix(blank + 1);
    }
    return ids;
}

Window require_dialog()
{
    Window dialog = active_dialog();
    if (!dialog) throw StepError{"no dialog is open"};
    return dialog;
}

void require_kind(Window dialog, int id, ControlKind kind, const char* what)
{
    ControlKind actual = control_kind(dialog, id);
    if (actual == ControlKind::none)
        throw StepError{"control " + std::to_string(id) + " is not in the active dialog"};
    if (actual != kind) throw StepError{"control " + std::to_string(id) + " is not " + what};
}

class ScriptPlayer final : public QObject {
public:
    ScriptPlayer(const ScriptSource& source, const ScriptHooks& hooks)
        : source_(source), hooks_(hooks), step_event_(QEvent::registerEventType())
    {
    }

    void start() { post_next(); }
    int status() const { return status_; }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != step_event_) return QObject::event(e);
        if (finished_) return true;
        if (application_ended()) return finish(), true;
        std::optional<std::string> line;
        do {
            line = source_();
            ++line_number_;
        } while (line && skipped(*line));
        if (!line) return finish(), true;
        const int number = line_number_;
        // Posted before the step is played: a step that opens a modal dialog returns only
        // when the dialog ends, and the following steps reach the dialog meanwhile.
        post_next();
        try {
            play(*line);
        } catch (const StepError& error) {
            hooks_.failed(number, error.why);
            status_ = 2;
            finish();
        }
        return true;
    }

private:
    static bool skipped(const std::string& line)
    {
        size_t first = line.find_first_not_of(" \t\r");
        return first == std::string::npos || line[first] == '#';
    }

    void post_next() { QCoreApplication::postEvent(this, new QEvent(QEvent::Type(step_event_))); }

    void finish()
    {
        if (finished_) return;
        finished_ = true;
        if (!application_ended()) end_application();
    }

    void play(std::string line)
    {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string_view text(line);
        text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
        size_t blank = text.find(' ');
        std::string verb(text.substr(0, blank));
        std::string_view args =
            blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);

        if (verb == "tab") {
            if (!show_sheet(require_dialog(), std::string(args)))
                throw StepError{"no sheet titled \"" + std::string(args) + "\""};
        } else if (verb == "type") {
            Window dialog = require_dialog();
            auto [id, value] = id_and_text(args, "type");
            require_kind(dialog, id, ControlKind::edit, "an edit field");
            user_replace_text(dialog, id, value);
        } else if (verb == "pick") {
            Window dialog = require_dialog();
            auto [id, item] = id_and_text(args, "pick");
            require_kind(dialog, id, ControlKind::list, "a drop-down list");
            if (!user_pick(dialog, id, item))
                throw StepError{"list " + std::to_string(id) + " has no item \"" + item + "\""};
        } else if (verb == "click" || verb == "check") {
            Window dialog = require_dialog();
            auto [id, rest] = id_and_text(args, verb.c_str());
            if (!rest.empty() || args.find(' ') != std::string_view::npos)
                throw StepError{verb + " takes one control id"};
            if (verb == "click")
                require_kind(dialog, id, ControlKind::button, "a push button");
            else
                require_kind(dialog, id, ControlKind::radio, "a radio button");
            user_click(dialog, id);
        } else if (verb == "escape") {
            if (!args.empty()) throw StepError{"escape takes no arguments"};
            user_escape(require_dialog());
        } else if (verb == "show") {
            Window dialog = require_dialog();
            std::vector<int> ids = id_list(args);
            if (ids.empty())
                ids = edit_ids(dialog);
            else
                for (int id : ids)
                    require_kind(dialog, id, ControlKind::edit, "an edit field");
            for (int id : ids)
                hooks_.shown(id, win_GetText(win_GetCtlHandle(dialog, id)));
        } else if (!hooks_.extra || !hooks_.extra(verb, std::string(args), active_dialog())) {
            throw StepError{"unknown step \"" + verb + "\""};
        }
    }

    const ScriptSource& source_;
    const ScriptHooks& hooks_;
    const int step_event_;
    int line_number_ = 0;
    bool finished_ = false;
    int status_ = 0;
};

} // namespace

std::string one_line(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

ScriptHooks printing_hooks()
{
    ScriptHooks hooks;
    hooks.shown = [](int id, const std::string& text) { std::cout << id << '\t' << text << '\n'; };
    hooks.message = [](const Message& m) {
        std::cout << m.title << ": " << one_line(m.text) << '\n';
    };
    hooks.failed = [](int line, const std::string& why) {
        std::cout.flush();
        std::cerr << "zarn-calc: line " << line << ": " << why << '\n';
    };
    return hooks;
}

int play_script(const std::vector<std::string>& lines, const ScriptHooks& hooks)
{
    size_t next = 0;
    return play_script(
        [&]() -> std::optional<std::string> {
            if (next == lines.size()) return std::nullopt;
            return lines[next++];
        },
        hooks);
}

int play_script(const ScriptSource& next_line, const ScriptHooks& hooks)
{
    set_message_sink(hooks.message);
    start_zarn_calculator();
    ScriptPlayer player(next_line, hooks);
    player.start();
    QCoreApplication::exec();
    set_message_sink({});
    std::cout.flush();
    return player.status();
}

} // namespace zarn
