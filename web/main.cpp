// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include <emscripten/bind.h>

#include "web/dom.h"
#include "web/form1.h"
#include "web/offline.h"

// Every event listener of the page calls this one function.
EMSCRIPTEN_BINDINGS(page_events) { emscripten::function("deliverEvent", &DeliverEvent); }

// The page lives on after main returns: the form stays, and so do the
// listeners that lead to it.
int main() {
  static Form1 form;
  KeepForOffline();
  return 0;
}
