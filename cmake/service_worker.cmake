# Writes the page's service worker (cmake -P): SOURCE, the template, into
# OUTPUT, with the build named by a hash of the page's files (FILES, in
# FOLDER), so that a new build takes the place of the old one in browsers.
set(contents "")
set(names "")
foreach(file IN LISTS FILES)
  file(SHA256 ${FOLDER}/${file} hash)
  string(APPEND contents ${hash})
  list(APPEND names "'${file}'")
endforeach()
string(SHA256 build "${contents}")
string(SUBSTRING ${build} 0 16 RIDGELINE_BUILD)
list(JOIN names ", " RIDGELINE_PAGE_FILES)
set(RIDGELINE_PAGE_FILES "'./', ${RIDGELINE_PAGE_FILES}")
configure_file(${SOURCE} ${OUTPUT} @ONLY)
