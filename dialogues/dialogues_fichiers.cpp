#include "dialogues/dialogues_fichiers.h"

#include "dialogues/dialogue_fichier.h"

#include <QPointer>

namespace optolink {

namespace {

std::function<void(const QString&)> ouvreur(Poste& poste, QWidget* fenetre, DialogueFichier::Sorte sorte)
{
    return [&poste, fenetre = QPointer<QWidget>(fenetre), sorte,
            ouvert = QPointer<DialogueFichier>()](const QString& caption) mutable {
        // A dialog being unloaded is disabled until its deletion.
        if (!ouvert || !ouvert->isEnabled())
            ouvert = new DialogueFichier(poste, sorte, lieux_systeme(poste.etat), fenetre);
        ouvert->setWindowTitle(caption);
        ouvert->show();
        ouvert->raise();
        ouvert->activateWindow();
    };
}

} // namespace

DialoguesFournis fournir_dialogues_fichiers(Poste& poste, QWidget* fenetre)
{
    return {poste.fenetre.surOuvrirLecturefichier.brancher(ouvreur(poste, fenetre, DialogueFichier::Sorte::lecture)),
            poste.fenetre.surOuvrirEnregistrefichier.brancher(
                ouvreur(poste, fenetre, DialogueFichier::Sorte::enregistrement))};
}

} // namespace optolink
