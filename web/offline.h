// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

// KeepForOffline()
//
// Has the browser keep the page's files for use without a network, through
// the service worker sw.js next to the page. Does nothing in the page made
// one file, which carries no worker, and where there are no service
// workers (an old browser).
void KeepForOffline();
