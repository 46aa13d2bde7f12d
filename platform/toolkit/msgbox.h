// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

class QString;
class QWidget;

// Modal message boxes in the toolkit's look. Both block until the user answers.
class VANTOR_TOOLKIT_EXPORT MsgBox
{
public:
    MsgBox() = delete;

    // Non-zero when the user answered yes.
    static int question(const QString& title, const QString& text, QWidget* parent);
    static void information(const QString& title, const QString& text, QWidget* parent);
};
