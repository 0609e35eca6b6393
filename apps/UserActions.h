// Where `user ACTION` lines of the host shell go: the agent that answers for the user
// while the host and the module run.
#pragma once

#include <string>

class UserActions {
public:
    virtual ~UserActions() = default;
    // Queues one action line ("point 10 20", "object 3", "answer yes", ...); throws
    // ShellError when the line is not an action.
    virtual void Queue(const std::string& action) = 0;
    // Actions queued that nothing asked for; empty when none.
    virtual std::string Leftover() const = 0;
};
