// Support node page.
#include "KORVELs.h"

void TMainKORVELseinForm::BuildToesPage() {}
void TMainKORVELseinForm::Button3Click() {}
void TMainKORVELseinForm::CheckBox1Click() {}
void TMainKORVELseinForm::RadioButton1Click() {}
void TMainKORVELseinForm::RadioButton2Click() {}
void TMainKORVELseinForm::RadioButton3Click() {}
void TMainKORVELseinForm::SetToesValues() {}
void TMainKORVELseinForm::SetToesEfektValues() {}
void TMainKORVELseinForm::ToesKontroll() {}
void TMainKORVELseinForm::ToesNaita1() {}
void TMainKORVELseinForm::ToesPeida1() {}
void TMainKORVELseinForm::ToesNaita2() {}
void TMainKORVELseinForm::ToesPeida2() {}
void TMainKORVELseinForm::RefreshSpacing() {}
void TMainKORVELseinForm::RefreshDistributionArea() {}
