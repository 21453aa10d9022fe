// What the random-use test needs of the X server beyond xdotool:
//   fenetres PID...   the viewable top-level windows of these processes, bottom to top, one a line:
//                     id pid x y width height popup modal title
//   ping ID MS        whether the window's process answers a _NET_WM_PING within MS ms (exit 1 if
//                     not): its event loop is running
//   fermer ID         asks the window to close, as the close button of its frame does
//   vider             the clipboard and the X selection left without an owner, as in a fresh session
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <thread>

namespace {

Display* ecran = nullptr;

Atom atome(const char* nom) { return XInternAtom(ecran, nom, False); }

// The items of a property, or none; the caller frees them.
unsigned char* propriete(Window w, Atom nom, Atom type, unsigned long& nombre)
{
    Atom type_lu;
    int format;
    unsigned long reste;
    unsigned char* donnees = nullptr;
    nombre = 0;
    if (XGetWindowProperty(ecran, w, nom, 0, 1024, False, type, &type_lu, &format, &nombre, &reste, &donnees)
        != Success)
        return nullptr;
    return donnees;
}

long pid_de(Window w)
{
    unsigned long n;
    unsigned char* d = propriete(w, atome("_NET_WM_PID"), XA_CARDINAL, n);
    const long pid = n ? static_cast<long>(*reinterpret_cast<unsigned long*>(d)) : -1;
    XFree(d);
    return pid;
}

std::string titre_de(Window w)
{
    unsigned long n;
    unsigned char* d = propriete(w, atome("_NET_WM_NAME"), atome("UTF8_STRING"), n);
    std::string titre = d ? std::string(reinterpret_cast<char*>(d), n) : std::string();
    XFree(d);
    return titre;
}

bool modale(Window w)
{
    unsigned long n;
    unsigned char* d = propriete(w, atome("_NET_WM_STATE"), XA_ATOM, n);
    bool oui = false;
    for (unsigned long i = 0; i < n; ++i)
        oui = oui || reinterpret_cast<Atom*>(d)[i] == atome("_NET_WM_STATE_MODAL");
    XFree(d);
    return oui;
}

int fenetres(int argc, char** argv)
{
    std::set<long> pids;
    for (int i = 0; i < argc; ++i)
        pids.insert(std::atol(argv[i]));
    Window racine, parent, *enfants = nullptr;
    unsigned int nombre = 0;
    XQueryTree(ecran, DefaultRootWindow(ecran), &racine, &parent, &enfants, &nombre);
    for (unsigned int i = 0; i < nombre; ++i) { // bottom to top
        XWindowAttributes a;
        if (!XGetWindowAttributes(ecran, enfants[i], &a) || a.map_state != IsViewable)
            continue;
        const long pid = pid_de(enfants[i]);
        if (!pids.count(pid))
            continue;
        std::printf("%lu %ld %d %d %d %d %d %d %s\n", enfants[i], pid, a.x, a.y, a.width, a.height,
                    a.override_redirect ? 1 : 0, modale(enfants[i]) ? 1 : 0, titre_de(enfants[i]).c_str());
    }
    XFree(enfants);
    return 0;
}

void envoyer_protocole(Window w, Atom protocole, long donnee)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = atome("WM_PROTOCOLS");
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(protocole);
    e.xclient.data.l[1] = donnee;
    e.xclient.data.l[2] = static_cast<long>(w);
    XSendEvent(ecran, w, False, NoEventMask, &e);
    XFlush(ecran);
}

int ping(Window w, int delai_ms)
{
    const Window racine = DefaultRootWindow(ecran);
    XSelectInput(ecran, racine, StructureNotifyMask); // where Qt sends its answer
    const long jeton = static_cast<long>(std::chrono::steady_clock::now().time_since_epoch().count() & 0x7FFFFFFF);
    envoyer_protocole(w, atome("_NET_WM_PING"), jeton);
    const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(delai_ms);
    while (std::chrono::steady_clock::now() < fin) {
        while (XPending(ecran)) {
            XEvent e;
            XNextEvent(ecran, &e);
            if (e.type == ClientMessage && e.xclient.data.l[1] == jeton)
                return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 1;
}

} // namespace

// A window may go between the listing and the questions about it: that window is left out.
int ignorer(Display*, XErrorEvent*) { return 0; }

int main(int argc, char** argv)
{
    XSetErrorHandler(ignorer);
    ecran = XOpenDisplay(nullptr);
    if (!ecran || argc < 2) {
        std::fprintf(stderr, "usage : %s fenetres PID... | ping ID MS | fermer ID | vider\n", argv[0]);
        return 2;
    }
    const std::string commande = argv[1];
    if (commande == "fenetres")
        return fenetres(argc - 2, argv + 2);
    if (commande == "ping" && argc == 4)
        return ping(std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]));
    if (commande == "fermer" && argc == 3) {
        envoyer_protocole(std::strtoul(argv[2], nullptr, 0), atome("WM_DELETE_WINDOW"), CurrentTime);
        return 0;
    }
    if (commande == "vider") {
        for (const char* selection : {"CLIPBOARD", "PRIMARY"})
            XSetSelectionOwner(ecran, atome(selection), None, CurrentTime);
        XSync(ecran, False);
        return 0;
    }
    return 2;
}
