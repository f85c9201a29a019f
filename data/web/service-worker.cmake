# Writes the page's service worker once every file it keeps is built: the list
# of those files, and a cache name of the version and a digest of their
# contents, so that any change to the page is a new cache.
#   cmake -DPAGE=... -DTEMPLATE=... -DVERSION=... -DFILES=a,b,c -P service-worker.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(digest "")
set(quoted "\"./\"")
foreach(file IN LISTS FILES)
  file(SHA256 ${PAGE}/${file} one)
  string(APPEND digest ${one})
  string(APPEND quoted ", \"${file}\"")
endforeach()
string(SHA256 digest "${digest}")
string(SUBSTRING ${digest} 0 12 digest)
set(VELMO_CACHE_VERSION "${VERSION}+${digest}")
set(VELMO_PAGE_FILES "${quoted}")
configure_file(${TEMPLATE} ${PAGE}/service-worker.js @ONLY)
