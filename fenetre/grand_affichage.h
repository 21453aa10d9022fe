#pragma once

class QAbstractButton;
class QWidget;

namespace optolink {

// "Grand affichage", for a class looking at a projector: the window full screen, black on white,
// its type at twice the size; back to its normal look otherwise.
void appliquer_grand_affichage(QWidget* fenetre, bool grand);

// F11 anywhere in the window toggles bouton, a checkable button.
void raccourci_grand_affichage(QWidget* fenetre, QAbstractButton* bouton);

} // namespace optolink
