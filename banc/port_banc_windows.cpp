#include "banc/port_banc.h"

#include "liaison_qt/ports_systeme.h"

#include <QFile>
#include <QWinEventNotifier>

#include <windows.h>

#include <array>

namespace optolink::sim {

namespace {
constexpr DWORD taille_tampon = 4096;

// An overlapped operation on the pipe, its event watched from the event loop. The system writes
// into it until the operation is over: it is waited for before it is used again or let go.
struct Operation {
    OVERLAPPED recouvrement{};
    bool en_cours = false;
    std::unique_ptr<QWinEventNotifier> avis;

    Operation() { recouvrement.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
    ~Operation() { CloseHandle(recouvrement.hEvent); }
    // action(ok, octets) runs when the operation is over.
    template <class F>
    void quand_finie(HANDLE& tube, F action)
    {
        avis = std::make_unique<QWinEventNotifier>(recouvrement.hEvent);
        QObject::connect(avis.get(), &QWinEventNotifier::activated, [this, &tube, action] {
            ResetEvent(recouvrement.hEvent);
            if (!en_cours)
                return;
            en_cours = false;
            DWORD n = 0;
            const bool ok = GetOverlappedResult(tube, &recouvrement, &n, FALSE);
            action(ok, n);
        });
    }
    // Started, or finished at once: its event is set either way, the notice comes.
    bool lancer(BOOL resultat)
    {
        en_cours = resultat || GetLastError() == ERROR_IO_PENDING;
        return en_cours;
    }
    void attendre_fin(HANDLE tube)
    {
        DWORD n = 0;
        if (en_cours)
            GetOverlappedResult(tube, &recouvrement, &n, TRUE);
        en_cours = false;
        ResetEvent(recouvrement.hEvent);
    }
};
} // namespace

// One instance of the pipe, one program at a time: it connects (the port's opening), reads and
// writes, and when the program closes its port the pipe is disconnected and waits for the next.
struct PortBanc::Systeme {
    HANDLE tube = INVALID_HANDLE_VALUE;
    bool connecte = false;
    Operation connexion, lecture, ecriture;
    std::array<char, taille_tampon> recus{};
    QByteArray a_ecrire, en_ecriture;

    void attendre_programme(Extremite& extremite);
    void connecte_maintenant(Extremite& extremite);
    void lire_suite(Extremite& extremite);
    void ecrire_suite();
    void deconnecter(Extremite& extremite);
};

PortBanc::PortBanc(Extremite& extremite, int numero, const QString& dossier)
    : interface_(extremite), numero_(numero), systeme_(std::make_unique<Systeme>())
{
    Systeme& s = *systeme_;
    if (!preparer_dossier(dossier))
        return;
    peripherique_ = nom_tube_banc(numero_);
    s.tube = CreateNamedPipeW(reinterpret_cast<const wchar_t*>(peripherique_.utf16()),
                              PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                              PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
                              taille_tampon, taille_tampon, 0, nullptr);
    if (s.tube == INVALID_HANDLE_VALUE) {
        erreur_ =
            GetLastError() == ERROR_ACCESS_DENIED
                ? QStringLiteral("le port n° %1 est déjà servi par un autre banc (%2)").arg(numero_).arg(peripherique_)
                : QStringLiteral("impossible de créer le tube %1 (code %2)").arg(peripherique_).arg(GetLastError());
        lien_.clear();
        return;
    }
    // The pipe is this bench's: a file left behind by a bench that died is simply replaced.
    QFile fichier(lien_);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) || fichier.write(peripherique_.toUtf8()) < 0) {
        erreur_ = QStringLiteral("impossible de créer le fichier %1").arg(lien_);
        lien_.clear();
        return;
    }
    fichier.close();
    s.connexion.quand_finie(s.tube, [this](bool ok, DWORD) {
        if (ok) {
            systeme_->connecte_maintenant(interface_);
            return;
        }
        DisconnectNamedPipe(systeme_->tube); // a program that came and went at once
        systeme_->attendre_programme(interface_);
    });
    s.lecture.quand_finie(s.tube, [this](bool ok, DWORD n) {
        Systeme& t = *systeme_;
        if (!ok) {
            t.deconnecter(interface_);
            return;
        }
        if (n > 0)
            interface_.envoyer(QByteArray(t.recus.data(), static_cast<qsizetype>(n)));
        t.lire_suite(interface_);
    });
    s.ecriture.quand_finie(s.tube, [this](bool, DWORD) {
        systeme_->en_ecriture.clear();
        systeme_->ecrire_suite();
    });
    interface_.surReponse([this](char c) {
        Systeme& t = *systeme_;
        // Nobody connected: the byte is lost, as on a real line.
        if (!t.connecte)
            return;
        t.a_ecrire.append(c);
        t.ecrire_suite();
    });
    interface_.surDisparition([this] { retirer(); });
    s.attendre_programme(interface_);
}

PortBanc::~PortBanc()
{
    interface_.surDisparition(nullptr);
    retirer();
}

void PortBanc::Systeme::attendre_programme(Extremite& extremite)
{
    connecte = false;
    if (connexion.lancer(ConnectNamedPipe(tube, &connexion.recouvrement)))
        return;                                 // the notice comes when a program opens the pipe
    if (GetLastError() == ERROR_PIPE_CONNECTED) // opened between the disconnection and this call
        connecte_maintenant(extremite);
}

void PortBanc::Systeme::connecte_maintenant(Extremite& extremite)
{
    if (connecte)
        return;
    connecte = true;
    a_ecrire.clear();
    extremite.ouverture_du_port();
    lire_suite(extremite);
}

void PortBanc::Systeme::lire_suite(Extremite& extremite)
{
    if (!lecture.lancer(ReadFile(tube, recus.data(), taille_tampon, nullptr, &lecture.recouvrement)))
        deconnecter(extremite);
}

void PortBanc::Systeme::ecrire_suite()
{
    if (!en_ecriture.isEmpty() || a_ecrire.isEmpty() || !connecte)
        return;
    en_ecriture.swap(a_ecrire);
    if (!ecriture.lancer(WriteFile(tube, en_ecriture.constData(), static_cast<DWORD>(en_ecriture.size()), nullptr,
                                   &ecriture.recouvrement)))
        en_ecriture.clear(); // the program has gone: the read tells it
}

// The program closed its port (or vanished): the pipe waits for the next opening.
void PortBanc::Systeme::deconnecter(Extremite& extremite)
{
    if (!connecte)
        return;
    CancelIoEx(tube, nullptr);
    lecture.attendre_fin(tube);
    ecriture.attendre_fin(tube);
    en_ecriture.clear();
    a_ecrire.clear();
    DisconnectNamedPipe(tube);
    attendre_programme(extremite);
}

void PortBanc::retirer()
{
    Systeme& s = *systeme_;
    interface_.surReponse(nullptr);
    if (s.tube != INVALID_HANDLE_VALUE) {
        CancelIoEx(s.tube, nullptr);
        for (Operation* o : {&s.connexion, &s.lecture, &s.ecriture}) {
            o->attendre_fin(s.tube);
            o->avis.reset();
        }
        CloseHandle(s.tube);
    }
    s.tube = INVALID_HANDLE_VALUE;
    s.connecte = false;
    if (!lien_.isEmpty())
        QFile::remove(lien_);
    lien_.clear();
}

} // namespace optolink::sim
