// The dialogs of tests: every request is kept, every answer comes from a queue.
#include "forms/dialogs.h"

#include "forms/qt_dialogs.h"

namespace platform::forms {

namespace {

int takeAnswer(std::deque<int>& queue, int otherwise)
{
    if (queue.empty())
        return otherwise;
    const int answer = queue.front();
    queue.pop_front();
    return answer;
}

// Cancelled when nothing is scripted.
std::optional<QString> takeAnswer(std::deque<std::optional<QString>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    const bool given = queue.front().has_value();
    const QString text = given ? *queue.front() : QString();
    queue.pop_front();
    if (!given)
        return std::nullopt;
    return text;
}

}  // namespace

ScriptedDialogs::ScriptedDialogs()
    : previous_(installedDialogBackend())
{
    setDialogBackend(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    setDialogBackend(previous_);
}

int ScriptedDialogs::messageBox(const MessageBoxRequest& request)
{
    boxes.push_back(request);
    return takeAnswer(answers, request.defaultButton);
}

std::optional<QString> ScriptedDialogs::inputBox(const InputBoxRequest& request)
{
    inputs.push_back(request);
    return takeAnswer(inputAnswers);
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest& request)
{
    files.push_back(request);
    return takeAnswer(fileAnswers);
}

}  // namespace platform::forms
