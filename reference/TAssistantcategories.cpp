#include "reference/TAssistantcategories.h"

namespace {
AddWizardSpec spec()
{
    AddWizardSpec s;
    s.objectName = QStringLiteral("Assistantcategories");
    s.caption = QStringLiteral("Nouvelle balise");
    s.heading = QStringLiteral("Assistant de création d'une nouvelle balise :");
    s.help = QStringLiteral("Dans Vorelis, une balise permet de catégoriser et de  regrouper les entrées de la base de "
                            "données pour faciliter les recherches.\n"
                            "\n"
                            "Quelques exemples : \n"
                            "- Close-up\n"
                            "- Grande Illusion\n"
                            "- Routine de gobelets\n"
                            "- Mentalisme\n"
                            "- Materiel sono\n"
                            "- A travailler\n"
                            "- Avec chapelet\n"
                            "\n"
                            "Une ou plusieurs balises pourront par la suite être affectée à un tour, un matériel, un "
                            "livre ...");
    s.nameLabel = QStringLiteral("Nom de la balise :");
    s.duplicateMessage = QStringLiteral("Cette catégorie existe déjà !");
    s.list = &NamedLists::tags();
    return s;
}
} // namespace

TAssistantcategories::TAssistantcategories(QWidget *parent) : AddWizard(spec(), parent) {}
