#pragma once

// The windows of the program: each is created once at start-up, in a fixed order, and
// reached through its one instance for the whole run.
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TGestioncategories;
class TAssistantcategories;
class TGestionauteurs;
class TAssistantauteur;
class TGestionfournisseurs;
class Teditfournisseur;
class TGestioncontacts;
class Teditioncontact;
class TInventairemateriel;
class TEditionmateriel;
class Trecherchesql;
class TOptimizedatabase;
class TVisualisationMateriel;
class TVisualisationconsommables;
class TVisualisationAcommander;
class TVisualisationmaterielspretes;
class TVisualisationmaterielsansroutine;
class TVisualisationmaterielhs;
class TVisualisationmaterielmaintenance;
class TGestionliens;
class TEditionlien;
class TApropos;
class TExportationcontacts;
class TGestiontechniques;
class TEditiontechnique;
class TRechercheSQLAuteur;
class TInventairecomptable;
class TGestionmoteursderecherche;
class TEditionmoteurderecherche;

extern TForm1 *Form1;
extern TForm2 *Form2;
extern TForm3 *Form3;
extern TForm4 *Form4;
extern TGestioncategories *Gestioncategories;
extern TAssistantcategories *Assistantcategories;
extern TGestionauteurs *Gestionauteurs;
extern TAssistantauteur *Assistantauteur;
extern TGestionfournisseurs *Gestionfournisseurs;
extern Teditfournisseur *Editfournisseur;
extern TGestioncontacts *Gestioncontacts;
extern Teditioncontact *Editioncontact;
extern TInventairemateriel *Inventairemateriel;
extern TEditionmateriel *Editionmateriel;
extern Trecherchesql *Recherchesql;
extern TOptimizedatabase *Optimizedatabase;
extern TVisualisationMateriel *VisualisationMateriel;
extern TVisualisationconsommables *Visualisationconsommables;
extern TVisualisationAcommander *VisualisationAcommander;
extern TVisualisationmaterielspretes *Visualisationmaterielspretes;
extern TVisualisationmaterielsansroutine *Visualisationmaterielsansroutine;
extern TVisualisationmaterielhs *Visualisationmaterielhs;
extern TVisualisationmaterielmaintenance *Visualisationmaterielmaintenance;
extern TGestionliens *Gestionliens;
extern TEditionlien *Editionlien;
extern TApropos *Apropos;
extern TExportationcontacts *Exportationcontacts;
extern TGestiontechniques *Gestiontechniques;
extern TEditiontechnique *Editiontechnique;
extern TRechercheSQLAuteur *RechercheSQLAuteur;
extern TInventairecomptable *Inventairecomptable;
extern TGestionmoteursderecherche *Gestionmoteursderecherche;
extern TEditionmoteurderecherche *Editionmoteurderecherche;

namespace Windows {
// Creates every window in start-up order, the main window first.
void createAll();
// Deletes them in reverse order (the end of the run, and between tests).
void destroyAll();
} // namespace Windows
