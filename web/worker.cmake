# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# Writes SITE/sw.js from IN, its cache named after PROJECT_VERSION and a
# digest of the site's files.
set(contents "")
foreach(file index.html style.css start.js cxxproto.js cxxproto.wasm manifest.webmanifest)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND contents ${hash})
endforeach()
string(SHA256 digest "${contents}")
string(SUBSTRING ${digest} 0 16 SITE_DIGEST)
configure_file(${IN} ${SITE}/sw.js @ONLY)
