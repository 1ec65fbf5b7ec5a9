#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

// GCC 12 misreads moving an optional<QString> out of a deque as a read of uninitialised memory.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

ScriptedPlatform::ScriptedPlatform()
    : m_override({ this, this, this, this, this, this })
{
}

ScriptedPlatform::~ScriptedPlatform() = default;

void ScriptedPlatform::ShowMessage(QWidget*, const QString& text)
{
    messages << text;
}

platform::Answer ScriptedPlatform::Confirm(QWidget*, const QString& text, platform::ConfirmButtons)
{
    questions << text;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return platform::Answer::Cancel;
    }
    const platform::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::ChooseFileToOpen(QWidget*, const platform::FileDialogRequest& request)
{
    dialogRequests.push_back(request);
    if (openChoices.empty()) {
        ADD_FAILURE() << "unexpected open dialog";
        return std::nullopt;
    }
    auto choice = openChoices.front();
    openChoices.pop_front();
    return choice;
}

std::optional<platform::FileChoice> ScriptedPlatform::ChooseSaveTarget(
    QWidget*, const platform::FileDialogRequest& request)
{
    dialogRequests.push_back(request);
    if (saveChoices.empty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return std::nullopt;
    }
    auto choice = saveChoices.front();
    saveChoices.pop_front();
    if (!choice)
        return std::nullopt;
    QString filter = request.selectedFilter.isEmpty() ? request.filter.section(QStringLiteral(";;"), 0, 0)
                                                      : request.selectedFilter;
    if (!saveFilters.empty()) {
        filter = saveFilters.front();
        saveFilters.pop_front();
        if (!request.filter.split(QStringLiteral(";;")).contains(filter))
            ADD_FAILURE() << "the save dialog offers no filter " << filter.toStdString();
    }
    return platform::FileChoice { *choice, filter };
}
