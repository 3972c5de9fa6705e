// Vertical capacity page.
#include "KORVELs.h"

void TMainKORVELseinForm::BuildKandevPage() {}
void TMainKORVELseinForm::Button1Click() {}
void TMainKORVELseinForm::SetKandevValues() {}
void TMainKORVELseinForm::SetlabdaHValues() {
    ARVUT->labdaHArvutus();
}
void TMainKORVELseinForm::KandevNaita1() {}
void TMainKORVELseinForm::KandevNaita2() {}
void TMainKORVELseinForm::KandevPeida2() {}
