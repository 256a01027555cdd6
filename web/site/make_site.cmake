# Makes the site to publish from the one-file page: OUT/index.html, the page
# with its manifest, icons and worker linked and its policy letting in
# exactly those; the manifest, robots.txt and the icons drawn into ICONS
# beside it; and sw.js, whose cache is named from all of their content.
#   cmake -DPAGE=quillmere.html -DICONS=DIR -DOUT=DIR -P make_site.cmake
set(icons icon-192.png icon-512.png icon-maskable-512.png apple-touch-icon.png)
set(here "${CMAKE_CURRENT_LIST_DIR}")

file(READ "${PAGE}" page)
file(READ "${here}/head.html" head)
set(policy "img-src data:\"")
string(FIND "${page}" "${policy}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no policy ending in ${policy}")
endif()
string(REPLACE "${policy}" "img-src 'self' data:; manifest-src 'self'; worker-src 'self'; connect-src 'self'\"" page "${page}")
string(REPLACE "</head>" "${head}</head>" page "${page}")

file(MAKE_DIRECTORY "${OUT}")
file(WRITE "${OUT}/index.html" "${page}")
file(COPY "${here}/manifest.webmanifest" "${here}/robots.txt" DESTINATION "${OUT}")
foreach(icon IN LISTS icons)
    file(COPY "${ICONS}/${icon}" DESTINATION "${OUT}")
endforeach()

set(files index.html manifest.webmanifest ${icons})
set(hashes "")
set(listed "'./'")
foreach(file IN LISTS files)
    file(SHA256 "${OUT}/${file}" hash)
    string(APPEND hashes "${hash}")
    string(APPEND listed ", '${file}'")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 QUILL_SITE_VERSION)
set(QUILL_SITE_FILES "${listed}")
configure_file("${here}/sw.js.in" "${OUT}/sw.js" @ONLY)
