// SPDX-License-Identifier: MIT
#pragma once

#include "platform/toolkit/orbelwid.h"
#include "vantor_toolkit_export.h"

// The dark, rounded panel that the lighting page's side panels are built on.
class VANTOR_TOOLKIT_EXPORT TandelWid : public OrbelWid
{
    Q_OBJECT

public:
    explicit TandelWid(QWidget* parent = nullptr);
    ~TandelWid() override;

protected:
    // Adds rules for the panel's own children to its look, "@role" colours taken from the
    // palette. Call it before the panel's form is set up: a child is polished against the
    // sheet it finds when it is created, and a sheet that grows later repolishes every
    // child again.
    void addPanelStyle(const char* rules);
};
