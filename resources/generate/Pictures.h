#pragma once

#include <QImage>

// Every picture the generator writes.
namespace Draw {

QImage iconError();
QImage iconInfo();
QImage iconQuestion();
QImage iconSearch();
QImage iconArmoire();
// Button icons of the list windows (32 px) and the small add button (16 px).
QImage iconBtnSearch();
QImage iconBtnAdd();
QImage iconBtnDelete();
QImage iconBtnEdit();
QImage iconBtnAddSmall();
// Buttons beside the editors' fields and the stepping buttons (16 px); the links list's visit (32 px).
QImage iconBtnVisit();
QImage iconBtnVisitSmall();
QImage iconBtnWebSearch();
QImage iconBtnCard();
QImage iconBtnClear();
QImage iconBtnInfo();
QImage iconBtnPrevious();
QImage iconBtnNext();
QImage iconBtnRemoveSmall();
// `detail` 2 is the full picture, 1 the 32/48 px cut, 0 the 16 px cut.
QImage appIcon(int size, int detail);
QImage noPhoto(int size);

QImage bgCurtains();
QImage bgNight();
QImage bgCards();
QImage bgHat();
QImage bgSparkles();

} // namespace Draw
