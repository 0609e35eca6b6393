// The user of a host script: `user` lines queue answers that are taken in order whenever
// the host or the module asks: a point, a keyword or an object for a pick, a file for a
// file dialog, an answer for a message box. A request that finds no fitting answer first in
// the queue is recorded as a failure and answered as a cancel.
//
//   point X Y [Z] | keyword WORD | object ID | pick cancel
//   file PATH | file cancel
//   answer ok|cancel|yes|no
#pragma once

#include <deque>
#include <string>

#include "apps/UserActions.h"
#include "platform/ui/UserAgent.h"

class ScriptedUser : public zn::ui::UserAgent, public UserActions {
public:
    void Queue(const std::string& action) override;
    std::string Leftover() const override;
    // The first request that did not fit, with what was asked; empty while none.
    std::string TakeFailure();

    int AnswerMessageBox(std::u16string_view text, std::u16string_view caption, unsigned type) override;
    std::optional<std::u16string> ChooseFile(const zn::ui::FileRequest& request) override;
    zn::ui::PickAnswer PickPoint(const zn::ui::PointRequest& request) override;
    zn::ui::PickAnswer PickObject(const zn::ui::ObjectRequest& request) override;

private:
    struct Action {
        std::string verb; // "point", "keyword", "object", "pick", "file", "answer"
        std::vector<std::string> words;
        std::string line;
    };
    // The next action when its verb is one of `verbs`; else records the failure.
    std::optional<Action> take(std::initializer_list<const char*> verbs, const std::string& request);

    std::deque<Action> m_actions;
    std::string m_failure;
};
