// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QString>

#include <functional>

class QWidget;

// Modal message boxes in the toolkit's look. Both block until the user answers.
class VANTOR_TOOLKIT_EXPORT MsgBox
{
public:
    MsgBox() = delete;

    // Non-zero when the user answered yes.
    static int question(const QString& title, const QString& text, QWidget* parent);
    static void information(const QString& title, const QString& text, QWidget* parent);

    // Lets the program that shows the boxes add a second paragraph to a question: what
    // answering yes will do there, which the caller's short question may not say. The
    // function gets the question's title and returns the paragraph, or nothing.
    using Detail = std::function<QString(const QString& title)>;
    static void setQuestionDetail(Detail detail);
};
