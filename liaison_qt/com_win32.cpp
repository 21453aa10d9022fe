#include "liaison_qt/com_win32.h"

#include "liaison/messages_port.h"
#include "liaison_qt/ports_systeme.h"
#include "liaison/reglages_port.h"

#include <QAbstractEventDispatcher>
#include <QMetaObject>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace optolink {

namespace {

HANDLE poignee(void* p) { return static_cast<HANDLE>(p); }

// A write waits at most for its characters to leave at the line's rate, twice over, and 50 ms more:
// the longest command (25 characters) then gives up within a tenth of a second, where every stall
// froze the window for a second.
constexpr DWORD ecriture_ms_par_caractere = 2;
constexpr DWORD ecriture_ms_fixes = 50;

// The system's own words for an error, in the language of the computer, with their code.
QString texte_erreur(DWORD code)
{
    wchar_t* texte = nullptr;
    const DWORD longueur = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&texte), 0, nullptr);
    QString message = longueur > 0 ? QString::fromWCharArray(texte, longueur).trimmed() : QString();
    LocalFree(texte);
    if (message.endsWith(u'.'))
        message.chop(1);
    return message.isEmpty() ? QStringLiteral("code %1").arg(code) : QStringLiteral("code %1 : %2").arg(code).arg(message);
}

} // namespace

// Windows says "access denied" for a port another program holds: a COM port is never shared.
QString raison_echec_ouverture_windows(unsigned long code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return raison_peripherique_absent();
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_PIPE_BUSY:
        return raison_port_occupe();
    default:
        return raison_erreur_systeme(texte_erreur(code));
    }
}

namespace {
// The simulated bench serves its ports on named pipes, whose full name the port rule gives.
bool est_un_tube(const QString& chemin) { return chemin.startsWith(QLatin1String("\\\\.\\pipe\\")); }
} // namespace

// An overlapped operation of the port, on an event of its own that the system sets when it ends.
struct ComWin32::Operation {
    OVERLAPPED ov{};
    Operation() { ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
    ~Operation() { CloseHandle(ov.hEvent); }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;
    OVERLAPPED* nouvelle()
    {
        HANDLE evenement = ov.hEvent;
        ov = OVERLAPPED{};
        ov.hEvent = evenement;
        ResetEvent(evenement);
        return &ov;
    }
    bool signalee() const { return WaitForSingleObject(ov.hEvent, 0) == WAIT_OBJECT_0; }
};

namespace {

void* ouvrir_peripherique(const std::wstring& appareil, unsigned long& erreur)
{
    HANDLE h = CreateFileW(appareil.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    erreur = h == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    return h;
}

struct Ouverture {
    std::mutex verrou;
    std::condition_variable finie;
    bool faite = false;
    bool abandonnee = false;
    void* poignee = INVALID_HANDLE_VALUE;
    unsigned long erreur = 0;
};

// The opening runs in a thread of its own, waited for limite_ouverture_ms at most: past that, the
// window goes on and the thread, whenever the system lets it go, closes what it opened.
std::optional<void*> ouvrir_avec_limite(const ComWin32::Ouvreur& ouvrir, const std::wstring& appareil,
                                        unsigned long& erreur)
{
    auto etat = std::make_shared<Ouverture>();
    std::thread([etat, ouvrir, appareil] {
        unsigned long code = 0;
        void* h = ouvrir(appareil, code);
        const std::lock_guard garde(etat->verrou);
        if (etat->abandonnee) {
            if (h != INVALID_HANDLE_VALUE)
                CloseHandle(static_cast<HANDLE>(h));
            return;
        }
        etat->poignee = h;
        etat->erreur = code;
        etat->faite = true;
        etat->finie.notify_all();
    }).detach();
    std::unique_lock garde(etat->verrou);
    if (!etat->finie.wait_for(garde, std::chrono::milliseconds(ComWin32::limite_ouverture_ms),
                              [&] { return etat->faite; })) {
        etat->abandonnee = true;
        return std::nullopt;
    }
    erreur = etat->erreur;
    return etat->poignee;
}

} // namespace

ComWin32::ComWin32(std::function<PortsPresents()> inventaire, Ouvreur ouvrir)
    : inventaire_(std::move(inventaire)), ouvrir_(ouvrir ? std::move(ouvrir) : Ouvreur(ouvrir_peripherique)),
      guet_(std::make_unique<Operation>()), lecture_(std::make_unique<Operation>()),
      ecriture_(std::make_unique<Operation>())
{
    reveil_.setInterval(intervalle_reveil_ms);
    reveil_.setTimerType(Qt::PreciseTimer);
    notificateur_ = new QWinEventNotifier(guet_->ov.hEvent, &contexte_);
    notificateur_->setEnabled(false);
    QObject::connect(notificateur_, &QWinEventNotifier::activated, &contexte_, [this] { avis_recu(); });
}

ComWin32::ComWin32() : ComWin32(ports_presents) {}

// The notifier goes before the event it watches.
ComWin32::~ComWin32()
{
    fermer();
    delete notificateur_;
}

void ComWin32::fermer()
{
    if (poignee_) {
        annuler_guet();
        CloseHandle(poignee(poignee_));
    }
    poignee_ = nullptr;
    octet_guette_present_ = false;
    reveil_.stop();
}

// Arms the watch for the next arrival, while arrivals must wake the loop and the system tells them:
// on a serial port, the driver's notice of a received character (which leaves it in the driver);
// on a pipe, a read of one byte, kept for the next input.
void ComWin32::guetter()
{
    if (!poignee_ || !reveil_voulu_ || guet_arme_ || sans_avis_ || octet_guette_present_)
        return;
    HANDLE h = poignee(poignee_);
    OVERLAPPED* ov = guet_->nouvelle();
    masque_ = 0;
    const bool fait = tube_ ? ReadFile(h, &octet_guette_, 1, nullptr, ov) != 0
                            : WaitCommEvent(h, reinterpret_cast<DWORD*>(&masque_), ov) != 0;
    if (!fait && GetLastError() != ERROR_IO_PENDING) {
        // A pipe that breaks, or a port whose state can no longer be read, is gone; a driver that
        // does not wait for events leaves the loop to the timer.
        if (tube_ || !octets_arrives()) {
            perdu();
            return;
        }
        sans_avis_ = true;
        reveil_.start();
        return;
    }
    if (fait)
        SetEvent(ov->hEvent); // ended at once: told by the loop all the same
    guet_arme_ = true;
    if (!tube_) {
        const auto arrives = octets_arrives();
        vide_a_l_armement_ = arrives && *arrives == 0;
    }
    notificateur_->setEnabled(true);
}

// The watch ended: the event loop is awake, which was its point. A serial port watches for the next
// character at once; a pipe once its byte has been read.
void ComWin32::avis_recu()
{
    notificateur_->setEnabled(false);
    if (!poignee_ || !guet_arme_)
        return;
    // The notice comes as a posted event, which the loop of Windows delivers at the start of a
    // pass and then goes back to waiting for a message of the system: a message now ends that wait,
    // so that the routine that yielded sees the byte at once.
    if (auto* repartiteur = QAbstractEventDispatcher::instance())
        repartiteur->wakeUp();
    arrivees_muettes_ = 0;
    DWORD n = 0;
    const bool fait = GetOverlappedResult(poignee(poignee_), &guet_->ov, &n, FALSE) != 0;
    if (!fait && GetLastError() == ERROR_IO_INCOMPLETE) {
        notificateur_->setEnabled(true);
        return;
    }
    guet_arme_ = false;
    if (!fait) {
        // A watch ended by the driver itself, not by this program (Wine's serial ports on
        // pseudo-terminals end each one so): the driver does not hold it, the timer takes over.
        // A port that vanished says so at once.
        const bool abandonne = GetLastError() == ERROR_OPERATION_ABORTED;
        if (!abandonne || !octets_arrives()) {
            perdu();
            return;
        }
        sans_avis_ = true;
        reveil_.start();
        return;
    }
    octet_guette_present_ = tube_ && n == 1;
    guetter();
}

// Ends the watch and collects it; a pipe's byte it took is kept for the next input.
void ComWin32::annuler_guet()
{
    if (!guet_arme_)
        return;
    notificateur_->setEnabled(false);
    HANDLE h = poignee(poignee_);
    CancelIoEx(h, &guet_->ov);
    DWORD n = 0;
    const bool fait = GetOverlappedResult(h, &guet_->ov, &n, TRUE) != 0;
    guet_arme_ = false;
    if (fait && tube_ && n == 1)
        octet_guette_present_ = true;
}

void ComWin32::reveil_a_l_arrivee(bool oui)
{
    if (oui == reveil_voulu_)
        return;
    reveil_voulu_ = oui;
    if (!poignee_)
        return;
    if (!oui) {
        annuler_guet();
        reveil_.stop();
    } else if (sans_avis_) {
        reveil_.start();
    } else {
        guetter();
    }
}

// The line as the settings say, no flow control. DTR and RTS are raised, as opening a port raises
// them on Linux: an interface fed by those lines is powered the same on both systems, and an
// Arduino board whose reset they drive restarts at the opening on both.
bool ComWin32::regler()
{
    const auto r = lire_reglages_port(reglages_);
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!r || !GetCommState(poignee(poignee_), &dcb))
        return false;
    dcb.BaudRate = static_cast<DWORD>(r->vitesse_bauds);
    dcb.ByteSize = static_cast<BYTE>(r->bits);
    dcb.Parity = r->parite == 'N' ? NOPARITY : r->parite == 'E' ? EVENPARITY : ODDPARITY;
    dcb.StopBits = r->bits_arret == 1 ? ONESTOPBIT : TWOSTOPBITS;
    dcb.fBinary = TRUE;
    dcb.fParity = r->parite != 'N';
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(poignee(poignee_), &dcb))
        return false;
    // A read returns at once with what has arrived; a write gives up as ecriture_ms_* say.
    COMMTIMEOUTS delais{};
    delais.ReadIntervalTimeout = MAXDWORD;
    delais.WriteTotalTimeoutMultiplier = ecriture_ms_par_caractere;
    delais.WriteTotalTimeoutConstant = ecriture_ms_fixes;
    return SetCommTimeouts(poignee(poignee_), &delais) != 0 && SetCommMask(poignee(poignee_), EV_RXCHAR | EV_ERR) != 0;
}

// A pipe has no line of its own, hence no DCB: it carries the bytes at any rate, and a change of
// rate changes nothing there.
bool ComWin32::regler_vitesse(int bauds)
{
    if (!poignee_)
        return false;
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(poignee(poignee_), &dcb))
        return GetFileType(poignee(poignee_)) == FILE_TYPE_PIPE;
    dcb.BaudRate = static_cast<DWORD>(bauds);
    return SetCommState(poignee(poignee_), &dcb) != 0;
}

bool ComWin32::setPortOpen(bool ouvert)
{
    if (!ouvert) {
        fermer();
        return true;
    }
    if (poignee_)
        return true;
    chemin_ = chemin_du_port(numero_, inventaire_());
    if (chemin_.isEmpty()) {
        erreur_ = message_port_inconnu(numero_);
        return false;
    }
    // The device name reaches COM10 and beyond too, which the bare name does not.
    tube_ = est_un_tube(chemin_);
    const QString appareil = tube_ ? chemin_ : QStringLiteral("\\\\.\\") + chemin_;
    unsigned long code = 0;
    const std::optional<void*> ouverte = ouvrir_avec_limite(ouvrir_, appareil.toStdWString(), code);
    if (!ouverte) {
        erreur_ = message_ouverture_impossible(numero_, chemin_, raison_ouverture_sans_reponse());
        return false;
    }
    HANDLE h = static_cast<HANDLE>(*ouverte);
    if (h == INVALID_HANDLE_VALUE) {
        erreur_ = message_ouverture_impossible(numero_, chemin_, raison_echec_ouverture_windows(code));
        return false;
    }
    poignee_ = h;
    // A pipe has no line to set: its pacing is the bench's, as on a pseudo-terminal. Its settings
    // are read all the same, so that both refuse the same ones.
    if (tube_ ? !lire_reglages_port(reglages_) : !regler()) {
        fermer();
        erreur_ = message_reglages_refuses(numero_, chemin_, reglages_);
        return false;
    }
    if (!tube_)
        PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR);
    // Arrivals wake the loop from the opening on; whether the system tells them is seen anew.
    reveil_voulu_ = true;
    sans_avis_ = false;
    arrivees_muettes_ = 0;
    guetter();
    erreur_.clear();
    return poignee_ != nullptr;
}

void ComWin32::output(const QByteArray& octets)
{
    if (!poignee_ || octets.isEmpty())
        return;
    // A write that does not finish (its time limit passed, the adapter pulled, the bench not
    // reading its pipe) is a lost interface: what was not written would be missing from the
    // commands, unseen. The serial driver ends it by its own limit (regler); a pipe has none, so the
    // same limit is kept here, with a margin over the driver's.
    HANDLE h = poignee(poignee_);
    const auto voulus = static_cast<DWORD>(octets.size());
    OVERLAPPED* ov = ecriture_->nouvelle();
    DWORD ecrits = 0;
    bool fait = WriteFile(h, octets.constData(), voulus, nullptr, ov) != 0;
    if (fait || GetLastError() == ERROR_IO_PENDING) {
        const DWORD limite_ms = 2 * (ecriture_ms_par_caractere * voulus + ecriture_ms_fixes);
        if (!fait && WaitForSingleObject(ov->hEvent, limite_ms) != WAIT_OBJECT_0)
            CancelIoEx(h, ov);
        fait = GetOverlappedResult(h, ov, &ecrits, TRUE) != 0;
    }
    if (!fait || ecrits != voulus)
        perdu();
}

// Only what the driver holds is read: a read of more would wait for it. On a pipe, the watch's
// read is ended first, so that a byte it took comes before those behind it.
QByteArray ComWin32::input()
{
    if (!poignee_)
        return {};
    if (tube_)
        annuler_guet();
    QByteArray lus;
    if (octet_guette_present_) {
        lus.append(octet_guette_);
        octet_guette_present_ = false;
    }
    if (longueur_entree_ != 1 || lus.isEmpty()) {
        const std::optional<DWORD> arrives = octets_arrives();
        if (!arrives) {
            perdu();
            return {};
        }
        // Characters that came after the watch was armed, on an empty driver, and no notice from
        // the system: after a few such reads in a row, it is not waited for any more.
        if (!tube_ && guet_arme_ && *arrives > 0) {
            if (guet_->signalee() || !vide_a_l_armement_)
                arrivees_muettes_ = 0;
            else if (++arrivees_muettes_ >= arrivees_muettes_max) {
                annuler_guet();
                sans_avis_ = true;
                reveil_.start();
            }
        }
        const DWORD voulus = longueur_entree_ == 1 ? std::min<DWORD>(*arrives, 1) : *arrives;
        if (voulus > 0) {
            const qsizetype deja = lus.size();
            lus.resize(deja + static_cast<qsizetype>(voulus));
            unsigned long recus = 0;
            if (!lire(lus.data() + deja, voulus, recus)) {
                perdu();
                return {};
            }
            lus.truncate(deja + static_cast<qsizetype>(recus));
        }
    }
    guetter();
    return lus;
}

// A read of what is there already: it ends at once.
bool ComWin32::lire(char* tampon, unsigned long voulus, unsigned long& recus)
{
    HANDLE h = poignee(poignee_);
    OVERLAPPED* ov = lecture_->nouvelle();
    if (!ReadFile(h, tampon, voulus, nullptr, ov) && GetLastError() != ERROR_IO_PENDING)
        return false;
    DWORD n = 0;
    if (!GetOverlappedResult(h, ov, &n, TRUE))
        return false;
    recus = n;
    return true;
}

// What the driver holds, or the pipe; nothing when the device or the bench is gone.
std::optional<unsigned long> ComWin32::octets_arrives() const
{
    if (tube_) {
        DWORD dans_le_tube = 0;
        if (!PeekNamedPipe(poignee(poignee_), nullptr, 0, nullptr, &dans_le_tube, nullptr))
            return std::nullopt;
        return dans_le_tube;
    }
    DWORD erreurs = 0;
    COMSTAT etat{};
    if (!ClearCommError(poignee(poignee_), &erreurs, &etat))
        return std::nullopt;
    return etat.cbInQue;
}

// The device is gone: later reads and writes do nothing, and the loss is told once, when control
// is back in the event loop rather than inside the routine that was reading.
void ComWin32::perdu()
{
    if (!poignee_)
        return;
    fermer();
    const QString raison = message_perte(numero_, chemin_);
    QMetaObject::invokeMethod(&contexte_, [this, raison] { signalerPerte(raison); }, Qt::QueuedConnection);
}

} // namespace optolink
