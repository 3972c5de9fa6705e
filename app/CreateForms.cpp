#include "KORVELsein.h"

#include "About.h"
#include "Accessibility.h"
#include "Andmed.h"
#include "Estonian.h"
#include "Fonts.h"
#include "KORVELs.h"
#include "KoondjLisa.h"
#include "KorvelsInput.h"
#include "TulemusedValik.h"

#include <QApplication>
#include <QFont>

void CreateForms() {
    InitDecimalCharSet();
    // The name only: a display name would be appended by the platform to the
    // title of every dialog and warning box ("Warning — KORVEL ...").
    QApplication::setApplicationName("KORVEL poorbetoonseinte arvutus");

    // The layout was drawn for an 11-pixel sans-serif with the widths of the
    // embedded face, registered before any window exists; the others are
    // fallbacks should it fail to load.
    QFont font;
    font.setFamilies(Korvel::LayoutFontFamilies());
    font.setPixelSize(11);
    QApplication::setFont(font);
    // Qt's own menus and dialogs speak Estonian too; without the embedded
    // translation they stay English, which the user can still work with.
    Korvel::InstallEstonian();
    Korvel::InstallAccessibility();

    MainKORVELseinForm = new TMainKORVELseinForm;
    AboutBox = new TAboutBox(MainKORVELseinForm);
    KoondjLisaForm = new TKoondjLisaForm(MainKORVELseinForm);
    AndmedForm = new TAndmedForm(MainKORVELseinForm);
    TulemusedValikForm = new TTulemusedValikForm(MainKORVELseinForm);
}
