// Walks of a widget tree: the observers of a panel's or dialog's widgets attach when it shows and
// detach when it hides; the keyboard focus leaves a tree that hides.
#pragma once

#include "host/ui/IControlView.h"

// Calls AutoAttach (attach) or AutoDetach on the IObserver of the root and of every widget inside it.
void AutoAttachWidgets(IControlView* root, bool attach);
// Takes the keyboard focus away when it is on the root or a widget inside it.
void ReleaseFocusInside(IControlView* root);
