#include "reference/TAssistantauteur.h"

namespace {
AddWizardSpec spec()
{
    AddWizardSpec s;
    s.objectName = QStringLiteral("Assistantauteur");
    s.caption = QStringLiteral("Nouvel auteur ");
    s.heading = QStringLiteral("Assistant de création d'un nouvel auteur / créateur :");
    s.help = QStringLiteral("Dans Vorelis, un auteur peut-être :\n"
                            "\n"
                            "-l'auteur d'un livre ou d'un ebook\n"
                            "-le créateur d'un tour, d'une vidéo, d'un DVD\n"
                            "\n"
                            "\n"
                            "Il est conseillé, pour des raisons de facilité, de toujours employer le même format de "
                            "saisie.\n"
                            "\n"
                            "Par exemple :\n"
                            "- NOM Prénom ou PSEUDONYME\n"
                            "\n"
                            "ou :\n"
                            "- nom prenom ou  pseudonyme\n"
                            "\n"
                            "ou :\n"
                            "- Nom Prénom ou Pseudonyme");
    s.nameLabel = QStringLiteral("Identité ou pseudonyme de l'auteur /  créateur :");
    s.duplicateMessage = QStringLiteral("Cet auteur existe déjà !");
    s.cancelClearsName = true;
    s.list = &NamedLists::authors();
    return s;
}
} // namespace

TAssistantauteur::TAssistantauteur(QWidget *parent) : AddWizard(spec(), parent) {}
