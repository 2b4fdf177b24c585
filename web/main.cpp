// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include <emscripten/bind.h>

#include "web/dom.h"
#include "web/form1.h"
#include "web/offline.h"

// Every event listener of the page calls this one function.
EMSCRIPTEN_BINDINGS(page_events) { emscripten::function("deliverEvent", &DeliverEvent); }

namespace {

void StartPage() {
  static Form1 form;
  KeepForOffline();
}

}  // namespace

// The page lives on after main returns: the form stays, and so do the
// listeners that lead to it. The script runs as soon as it arrives, and the
// module may be ready before the page has been read to its end.
int main() {
  const val document = val::global("document");
  if (document["readyState"].as<std::string>() == "loading") {
    Connect(document, "DOMContentLoaded", StartPage);
  } else {
    StartPage();
  }
  return 0;
}
