# tikara_licences(FOLDER): the licence texts that the Windows and web builds carry beside the
# program, since they link Qt statically and the page carries the Liberation fonts: the
# program's own (GPL-3.0-or-later), Qt's (LGPL-3.0, which builds on the GPL-3.0 text), the
# fonts' (SIL OFL 1.1), and where the sources are.
function(tikara_licences folder)
  set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  file(MAKE_DIRECTORY ${folder})
  configure_file(/usr/share/common-licenses/GPL-3 ${folder}/GPL-3.0.txt COPYONLY)
  configure_file(/usr/share/common-licenses/LGPL-3 ${folder}/Qt-LGPL-3.0.txt COPYONLY)
  configure_file(/usr/share/doc/fonts-liberation2/copyright ${folder}/Liberation-OFL-1.1.txt COPYONLY)
  configure_file(${here}/BRON.txt ${folder}/BRON.txt COPYONLY)
endfunction()
