# kalodaya_embed_text(<target> <data file> <C++ name>)
# Compiles <data file> into <target> as
#   namespace kalodaya::embedded { extern const std::string_view <C++ name>; }
# The source is generated when CMake configures, and editing the data file makes the next
# build reconfigure, so the embedded text always matches the file. (Generating at configure
# time lets any folder embed into a target that another folder defines.)
function(kalodaya_embed_text target data_file symbol)
  get_filename_component(abs "${data_file}" ABSOLUTE)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp")
  set(IN "${abs}")
  set(OUT "${out}.tmp")
  set(SYMBOL "${symbol}")
  include("${PROJECT_SOURCE_DIR}/cmake/EmbedTextScript.cmake")
  file(COPY_FILE "${out}.tmp" "${out}" ONLY_IF_DIFFERENT)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${abs}")
  target_sources(${target} PRIVATE "${out}")
endfunction()
