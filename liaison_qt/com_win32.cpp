#include "liaison_qt/com_win32.h"

#include "liaison/messages_port.h"
#include "liaison_qt/ports_systeme.h"
#include "liaison/reglages_port.h"

#include <QMetaObject>

#include <windows.h>

#include <algorithm>

namespace optolink {

namespace {

HANDLE poignee(void* p) { return static_cast<HANDLE>(p); }

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

ComWin32::ComWin32(std::function<PortsPresents()> inventaire) : inventaire_(std::move(inventaire))
{
    reveil_.setInterval(intervalle_reveil_ms);
    reveil_.setTimerType(Qt::PreciseTimer);
}

ComWin32::ComWin32() : ComWin32(ports_presents) {}

ComWin32::~ComWin32() { fermer(); }

void ComWin32::fermer()
{
    if (poignee_)
        CloseHandle(poignee(poignee_));
    poignee_ = nullptr;
    reveil_.stop();
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
    // A read returns at once with what has arrived. A write waits at most for its characters to
    // leave at the line's rate, twice over, and 50 ms more: the longest command (25 characters)
    // then gives up within a tenth of a second, where every stall froze the window for a second.
    COMMTIMEOUTS delais{};
    delais.ReadIntervalTimeout = MAXDWORD;
    delais.WriteTotalTimeoutMultiplier = 2;
    delais.WriteTotalTimeoutConstant = 50;
    return SetCommTimeouts(poignee(poignee_), &delais) != 0;
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
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(appareil.utf16()), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        erreur_ = message_ouverture_impossible(numero_, chemin_, raison_echec_ouverture_windows(GetLastError()));
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
    reveil_.start();
    erreur_.clear();
    return true;
}

void ComWin32::output(const QByteArray& octets)
{
    if (!poignee_ || octets.isEmpty())
        return;
    // A write that does not finish (its time limit passed, the adapter pulled) is a lost interface:
    // what was not written would be missing from the commands, unseen.
    DWORD ecrits = 0;
    if (!WriteFile(poignee(poignee_), octets.constData(), static_cast<DWORD>(octets.size()), &ecrits, nullptr)
        || ecrits != static_cast<DWORD>(octets.size()))
        perdu();
}

// Only what the driver holds is read: a read of more would wait for it.
QByteArray ComWin32::input()
{
    if (!poignee_)
        return {};
    const std::optional<DWORD> arrives = octets_arrives();
    if (!arrives) {
        perdu();
        return {};
    }
    const DWORD voulus = longueur_entree_ == 1 ? std::min<DWORD>(*arrives, 1) : *arrives;
    if (voulus == 0)
        return {};
    QByteArray lus(static_cast<qsizetype>(voulus), Qt::Uninitialized);
    DWORD recus = 0;
    if (!ReadFile(poignee(poignee_), lus.data(), voulus, &recus, nullptr)) {
        perdu();
        return {};
    }
    lus.truncate(static_cast<qsizetype>(recus));
    return lus;
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
