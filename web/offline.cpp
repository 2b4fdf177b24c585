// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "web/offline.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <stdexcept>
#include <string>

using emscripten::val;

namespace {

constexpr char kWorker[] = "sw.js";

// The page requires Trusted Types: the worker's address is the one script
// address its policy lets through.
std::string AllowWorkerAddress(const std::string& address) {
  if (address != kWorker) throw std::invalid_argument("script address refused: " + address);
  return address;
}

// Without a worker the page works as before, only not offline: a refusal
// (no storage allowed, say) is not an error of the page.
void IgnoreRefusal(val /*reason*/) {}

val WorkerAddress() {
  const val trustedTypes = val::global("trustedTypes");
  if (trustedTypes.isUndefined()) return val(std::string(kWorker));
  val rules = val::object();
  rules.set("createScriptURL", val::module_property("allowWorkerAddress"));
  return trustedTypes.call<val>("createPolicy", std::string("cxxproto"), rules)
      .call<val>("createScriptURL", std::string(kWorker));
}

}  // namespace

EMSCRIPTEN_BINDINGS(offline) {
  emscripten::function("allowWorkerAddress", &AllowWorkerAddress);
  emscripten::function("ignoreRefusal", &IgnoreRefusal);
}

void KeepForOffline() {
  if constexpr (!CXXPROTO_HAS_WORKER) return;
  const val workers = val::global("navigator")["serviceWorker"];
  if (workers.isUndefined()) return;
  workers.call<val>("register", WorkerAddress()).call<val>("catch", val::module_property("ignoreRefusal"));
}
