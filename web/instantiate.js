// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// The program runs on the module start.js asked for and compiled.
Module['instantiateWasm'] = (imports, receiveInstance) => {
  globalThis.cxxprotoModule.then((module) => WebAssembly.instantiate(module, imports)
    .then((instance) => receiveInstance(instance, module)));
  return {};
};
