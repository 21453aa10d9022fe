#include "fichiers/lieux.h"

#include <QDir>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace optolink {

namespace {

// A disconnected network drive keeps the question of its label waiting for tens of seconds: each
// drive is asked in a thread of its own, and the list does not wait for it longer than this.
constexpr auto limite_par_lecteur = std::chrono::milliseconds(400);

struct Etiquettes {
    std::mutex verrou;
    std::condition_variable arrivee;
    std::vector<std::optional<QString>> noms; // empty while the drive has not answered
};

// The volume's label, empty without a disc or a label. No box asking for a disc.
QString etiquette_du_volume(const std::wstring& racine)
{
    DWORD mode_avant = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &mode_avant);
    wchar_t nom[MAX_PATH + 1] = {};
    const bool lu = GetVolumeInformationW(racine.c_str(), nom, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    SetThreadErrorMode(mode_avant, nullptr);
    return lu ? QString::fromWCharArray(nom) : QString();
}

} // namespace

Qt::CaseSensitivity casse_des_chemins() { return Qt::CaseInsensitive; }

QStringList lecteurs_systeme()
{
    const QFileInfoList lecteurs = QDir::drives();
    auto etat = std::make_shared<Etiquettes>();
    etat->noms.resize(lecteurs.size());
    for (std::size_t i = 0; i < etat->noms.size(); ++i) {
        // The thread outlives this call when its drive hangs: it keeps the shared state alive.
        std::thread([etat, i, racine = QDir::toNativeSeparators(lecteurs[i].path()).toStdWString()] {
            QString nom = etiquette_du_volume(racine);
            const std::lock_guard garde(etat->verrou);
            etat->noms[i] = std::move(nom);
            etat->arrivee.notify_all();
        }).detach();
    }
    std::unique_lock garde(etat->verrou);
    etat->arrivee.wait_for(garde, limite_par_lecteur, [&] {
        return std::all_of(etat->noms.begin(), etat->noms.end(), [](const auto& n) { return n.has_value(); });
    });
    QStringList liste;
    for (std::size_t i = 0; i < etat->noms.size(); ++i)
        liste << lecteur_windows(lecteurs[i].path(), etat->noms[i].value_or(QString()));
    return liste;
}

QString racine_lecteur(const QString& lecteur) { return lecteur.left(2) + u'\\'; }

} // namespace optolink
