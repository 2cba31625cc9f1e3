# The layers of the program, each a library that sees only its own headers
# and those of the layers below it.  A layer's headers are reached through a
# tree of links in the build folder that holds that layer's headers alone, at
# their usual paths ("skin/window/settings.h"), so an include of a header
# from a layer above does not compile.
#
#   gfx           the object library over the GDI+ flat API
#   win           Win32 plumbing: owners of handles, window helpers, typed properties
#   skin_state    the vocabulary both skin engines share (lower skin/window files)
#   skin_controls the control skin engine (skin/controls)
#   skin_window   the window skin engine (upper skin/window files)
#   picker        the image picker dialog (gfx and win only)
#   app           the toolbox

set(LUMO_LAYER_ROOT ${CMAKE_BINARY_DIR}/layers)

# A link at `path` (relative to the layer's tree) to the source file or folder.
function(lumo_layer_link layer path)
  set(link ${LUMO_LAYER_ROOT}/${layer}/${path})
  get_filename_component(folder ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  if(NOT EXISTS ${link} AND NOT IS_SYMLINK ${link})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${path} ${link} SYMBOLIC)
  endif()
endfunction()

# The include folder of a layer's headers, as an interface target that the
# layer's library passes on to whoever links it.
function(lumo_layer_headers layer)
  add_library(${layer}_headers INTERFACE)
  target_include_directories(${layer}_headers INTERFACE ${LUMO_LAYER_ROOT}/${layer})
endfunction()
