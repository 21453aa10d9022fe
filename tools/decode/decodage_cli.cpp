#include "tools/decode/decodage_cli.h"

#include "app/etat.h"
#include "fast/binaire_rapide.h"
#include "fast/morse_rapide.h"
#include "files/rrr.h"
#include "link/nombres.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <optional>
#include <vector>

namespace optolink {

namespace {

const char* const aide =
    "Usage : optolink-decode [--json] (--morse | --binaire) [--live SEUIL_VOLTS] FICHIER...\n"
    "\n"
    "Décode des enregistrements de morse rapide ou de binaire rapide sauvegardés en fichiers\n"
    "Regressi (*.rrr) et écrit le message reçu de chaque fichier, un par ligne.\n"
    "\n"
    "Options :\n"
    "  --morse              les fichiers sont des enregistrements de morse rapide\n"
    "  --binaire            les fichiers sont des enregistrements de binaire rapide\n"
    "  --live SEUIL_VOLTS   décode comme le récepteur en direct, avec la tension de seuil\n"
    "                       donnée en volts (par exemple 0.8), au lieu du décodeur de fichier\n"
    "  --json               une ligne JSON par fichier, avec les clés \"file\", \"message\",\n"
    "                       \"texte1\" et \"code\"\n"
    "  --version            affiche la version\n"
    "  -h, --help           affiche cette aide\n"
    "\n"
    "Code de sortie : 0 si tous les fichiers ont été décodés, 1 si un fichier n'a pas pu être\n"
    "lu, 2 si la ligne de commande est incorrecte.\n";

struct Decodage {
    QString message;
    QString texte1;
    QString code;
};

struct Reglages {
    bool morse = false;
    bool json = false;
    std::optional<double> seuil_v; // live decoding when set
};

// The live receivers work on the downloaded table: fill it from the data lines, in order.
Decodage decoder_live(QIODevice& fichier, const Reglages& r)
{
    std::vector<QString> tabmesures(Etat::taille_tabmesures);
    LecteurRrr lecteur(fichier);
    lecteur.sauter(lignes_entete_rrr);
    int nblignes = 0;
    for (; !lecteur.fin(); ++nblignes) {
        const int valeur = lecteur.valeur_suivante();
        if (nblignes < std::ssize(tabmesures))
            tabmesures[static_cast<std::size_t>(nblignes)] = texte_nombre(valeur);
    }
    const int nbmesuresmax = nblignes - 1;
    const int seuil = seuil_brut(*r.seuil_v);
    if (r.morse) {
        const ReceptionMorse m = decoder_morse_rapide(tabmesures, nbmesuresmax, seuil);
        return {m.message, m.texte1, m.codemorse};
    }
    const ReceptionBinaire b = decoder_binaire_rapide(tabmesures, nbmesuresmax, seuil);
    return {b.message, b.texte1, b.chainebits};
}

Decodage decoder(QIODevice& fichier, const Reglages& r)
{
    if (r.seuil_v)
        return decoder_live(fichier, r);
    if (r.morse) {
        const ReceptionMorse m = decode_fichiermorserap(fichier);
        return {m.message, m.texte1, m.codemorse};
    }
    const ReceptionBinaire b = decode_fichierbinrap(fichier);
    return {b.message, b.texte1, b.chainebits};
}

QString ligne(const QString& nom, const Decodage& d, bool json)
{
    if (!json)
        return d.message;
    const QJsonObject objet{{"file", nom}, {"message", d.message}, {"texte1", d.texte1}, {"code", d.code}};
    return QString::fromUtf8(QJsonDocument(objet).toJson(QJsonDocument::Compact));
}

int erreur_usage(QTextStream& erreurs, const QString& texte)
{
    erreurs << "optolink-decode : " << texte << "\n"
            << "Voir « optolink-decode --help ».\n";
    erreurs.flush();
    return 2;
}

} // namespace

int decoder_fichiers(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs)
{
    QCommandLineParser analyse;
    const QCommandLineOption morse("morse");
    const QCommandLineOption binaire("binaire");
    const QCommandLineOption live("live", {}, "SEUIL_VOLTS");
    const QCommandLineOption json("json");
    const QCommandLineOption aide_option(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    analyse.addOptions({morse, binaire, live, json, aide_option, version});
    if (!analyse.parse(arguments))
        return erreur_usage(erreurs, analyse.errorText());
    if (analyse.isSet(aide_option)) {
        sortie << aide;
        sortie.flush();
        return 0;
    }
    if (analyse.isSet(version)) {
        sortie << "optolink-decode " OPTOLINK_VERSION "\n";
        sortie.flush();
        return 0;
    }
    if (analyse.isSet(morse) == analyse.isSet(binaire))
        return erreur_usage(erreurs, "choisir un codage : --morse ou --binaire.");
    Reglages r;
    r.morse = analyse.isSet(morse);
    r.json = analyse.isSet(json);
    if (analyse.isSet(live)) {
        bool ok = false;
        const double seuil = analyse.value(live).toDouble(&ok);
        if (!ok || !std::isfinite(seuil))
            return erreur_usage(erreurs, "le seuil de --live doit être une tension en volts, par "
                                         "exemple 0.8.");
        r.seuil_v = seuil;
    }
    const QStringList noms = analyse.positionalArguments();
    if (noms.isEmpty())
        return erreur_usage(erreurs, "aucun fichier à décoder.");

    int statut = 0;
    for (const QString& nom : noms) {
        QFile fichier(nom);
        if (!fichier.open(QIODevice::ReadOnly)) {
            erreurs << "optolink-decode : le fichier « " << nom << " » ne peut pas être lu ("
                    << (fichier.exists() ? "accès refusé ou dossier" : "fichier introuvable") << ").\n";
            erreurs.flush();
            statut = 1;
            continue;
        }
        sortie << ligne(nom, decoder(fichier, r), r.json) << "\n";
        sortie.flush();
    }
    return statut;
}

} // namespace optolink
