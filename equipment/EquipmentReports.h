#pragma once

#include "common/Report.h"

// The eight equipment reports: what each lists, shows, sorts, totals and exports.
namespace EquipmentReports {

const Report::Definition &byStorage();    // "Visualisation par rangement"
const Report::Definition &consumables();  // "Etat des consommables"
const Report::Definition &toOrder();      // "Liste des matériels à commander"
const Report::Definition &outOfService(); // "Liste des matériels hors service"
const Report::Definition &maintenance();  // "Liste des matériels en maintenance"
const Report::Definition &lent();         // "Liste des matériels prêtés"
const Report::Definition &withoutRoutine(); // "Liste des matériels sans routine"
const Report::Definition &accounting();   // "Inventaire comptable"

} // namespace EquipmentReports
