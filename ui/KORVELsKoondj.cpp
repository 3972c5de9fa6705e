// Concentrated load page.
#include "KORVELs.h"

void TMainKORVELseinForm::BuildKoondjPage() {}
void TMainKORVELseinForm::Button2Click() {}
void TMainKORVELseinForm::CheckBox2Click() {}
void TMainKORVELseinForm::KoondjKontroll() {}
void TMainKORVELseinForm::SetKoondjValues() {}
void TMainKORVELseinForm::SetKoondjValues1() {}
void TMainKORVELseinForm::SetKoondjNurgaValues() {}
void TMainKORVELseinForm::KoondjNaita1() {}
void TMainKORVELseinForm::KoondjPeida1() {}
void TMainKORVELseinForm::KoondjNaita2() {}
void TMainKORVELseinForm::KoondjPeida2() {}
