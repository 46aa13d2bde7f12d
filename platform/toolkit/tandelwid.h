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
};
