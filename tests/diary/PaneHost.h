// A form that holds one pane of the diary's main window as the window holds
// it: in the window's font, in the window's place for the panes, with the
// form resource applied to the pane's components.
#pragma once

#include "platform/widgets/FormResource.h"

#include <QFont>
#include <QWidget>

template <class Pane> class PaneHost : public QWidget {
public:
    PaneHost() {
        QFont font;
        font.setFamilies({"MS Sans Serif"});
        setFont(font);
        setProperty("fontHeight", -11);
        resize(553, 372);
        pane = new Pane(this);
        pane->move(1, 1);
        ApplyFormResource(this);
    }

    Pane* pane = nullptr;
};
