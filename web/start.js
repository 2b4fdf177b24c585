// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// Asks for the program's module as soon as the page is read and compiles it
// while it downloads. The page runs this first, from a file small enough to
// arrive at once, and the program's larger script runs it again as it
// starts: whichever comes first makes the one request.
globalThis.cxxprotoModule ??= WebAssembly.compileStreaming(fetch('cxxproto.wasm', { credentials: 'same-origin' }));
