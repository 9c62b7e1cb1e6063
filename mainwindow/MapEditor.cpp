// The map editor's tools; the window is wired to them, the drawing itself comes with the editor.
#include "Virelune1.h"

#include "Callout.h"
#include "RoundButton.h"
#include "ScaledLayout.h"

void TVirelMain::sbClick(TRoundButton* Tool) {
    crInfo->hide();
    QRectF r = slPlay->DesignRect(rFocus);
    r.moveTop(slPlay->DesignRect(Tool).top() - 3);
    slPlay->SetDesignRect(rFocus, r);
}

void TVirelMain::btNewClick() {
    crInfo->hide();
}
