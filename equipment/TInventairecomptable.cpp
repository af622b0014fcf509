#include "equipment/TInventairecomptable.h"

#include "equipment/EquipmentReports.h"

namespace {
ReportWindowSpec windowSpec()
{
    ReportWindowSpec s;
    s.objectName = QStringLiteral("Inventairecomptable");
    s.caption = QStringLiteral("Inventaire comptable");
    s.report = &EquipmentReports::accounting();
    s.minimumSize = QSize(0, 0);
    return s;
}
} // namespace

TInventairecomptable::TInventairecomptable(QWidget *parent) : ReportWindow(windowSpec(), parent) {}
