# Installs the build into a private root and checks that a desktop finds everything it needs
# there: the program, its entry, its icons at every size and its AppStream data.
# cmake -DCARTELLA_BUILD=... -DRADICE=... -DID=... -DNOME_ICONA=... -DLATI=16,32,...
#       -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -P VerificaInstallazione.cmake
string(REPLACE "," ";" LATI "${LATI}")
set(errori "")
macro(errore testo)
  string(APPEND errori "  ${testo}\n")
endmacro()

file(REMOVE_RECURSE ${RADICE})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${CARTELLA_BUILD} --prefix ${RADICE}/usr
  RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "cmake --install non riuscito (${esito}):\n${uscita}")
endif()

set(usr ${RADICE}/usr)
set(desktop ${usr}/share/applications/${ID}.desktop)
set(metainfo ${usr}/share/metainfo/${ID}.metainfo.xml)
set(svg ${usr}/share/icons/hicolor/scalable/apps/${NOME_ICONA}.svg)
foreach(file IN ITEMS ${desktop} ${metainfo} ${svg})
  if(NOT EXISTS ${file})
    errore("manca ${file}")
  endif()
endforeach()

# The entry's Exec and Icon must name what was installed, or the menu shows a dead item.
if(EXISTS ${desktop})
  file(STRINGS ${desktop} exec REGEX "^Exec=")
  file(STRINGS ${desktop} icona REGEX "^Icon=")
  string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" programma "${exec}")
  string(REGEX REPLACE "^Icon=" "" icona "${icona}")
  if(NOT programma OR NOT EXISTS ${usr}/bin/${programma} OR IS_DIRECTORY ${usr}/bin/${programma})
    errore("Exec=${programma} non è un programma installato in bin/")
  endif()
  if(NOT icona STREQUAL NOME_ICONA)
    errore("Icon=${icona} invece di ${NOME_ICONA}")
  endif()
endif()
if(EXISTS ${metainfo})
  file(READ ${metainfo} xml)
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">${ID}\\.desktop</launchable>")
    errore("il metainfo non lancia ${ID}.desktop")
  endif()
endif()
if(EXISTS ${svg})
  file(READ ${svg} testo LIMIT 400)
  if(NOT testo MATCHES "<svg")
    errore("${svg} non è un SVG")
  endif()
endif()

# A PNG's width and height are the two big-endian words after the IHDR tag.
foreach(lato IN LISTS LATI)
  set(png ${usr}/share/icons/hicolor/${lato}x${lato}/apps/${NOME_ICONA}.png)
  if(NOT EXISTS ${png})
    errore("manca ${png}")
    continue()
  endif()
  file(READ ${png} testata LIMIT 24 HEX)
  math(EXPR atteso "${lato}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" atteso "${atteso}")
  string(LENGTH "${atteso}" n)
  while(n LESS 8)
    string(PREPEND atteso "0")
    math(EXPR n "${n} + 1")
  endwhile()
  string(TOLOWER "89504e470d0a1a0a0000000d49484452${atteso}${atteso}" attesa)
  if(NOT testata STREQUAL attesa)
    errore("${png} non è un PNG di ${lato}x${lato}: ${testata}")
  endif()
endforeach()

# The installed copies through the validators, and the tree as a whole: AppStream checks
# there that the launchable entry and the icon are where the metainfo says.
foreach(comando IN ITEMS "${DESKTOP_FILE_VALIDATE};${desktop}"
                         "${APPSTREAMCLI};validate-tree;--no-net;--strict;${RADICE}")
  execute_process(COMMAND ${comando} RESULT_VARIABLE esito
    OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
  if(NOT esito EQUAL 0)
    errore("${comando} non riuscito:\n${uscita}")
  endif()
endforeach()

if(errori)
  message(FATAL_ERROR "Installazione incompleta:\n${errori}")
endif()
message(STATUS "Installazione completa in ${RADICE}")
