// Results page, report composer and printing.
#include "KORVELs.h"

#include <QStringList>

void TMainKORVELseinForm::BuildTulemusedPage() {}
void TMainKORVELseinForm::SisestandmedClick() {}
void TMainKORVELseinForm::KuvaTulemusedClick() {}
void TMainKORVELseinForm::AndmeteSisestus() {}
void TMainKORVELseinForm::AndmeteSisestus1() {}
void TMainKORVELseinForm::AndmeteSisestus2() {}
void TMainKORVELseinForm::AndmeteSisestus3() {}
void TMainKORVELseinForm::Koondjtulemused() {}
void TMainKORVELseinForm::Koondjtulemused1() {}
void TMainKORVELseinForm::Koondjtulemused2() {}
void TMainKORVELseinForm::AndmeteSisestus4() {}
void TMainKORVELseinForm::TulemusedNtShow() {}
void TMainKORVELseinForm::TulemusedNtHide() {}
void TMainKORVELseinForm::Print1Click() {}
void TMainKORVELseinForm::AppendLine(const QString&) {}
QStringList TMainKORVELseinForm::ReportLines() const {
    return {};
}
