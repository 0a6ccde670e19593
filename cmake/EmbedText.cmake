# kalodaya_embed_text(<target> <data file> <C++ name>)
# Compiles <data file> into <target> as
#   namespace kalodaya::embedded { extern const std::string_view <C++ name>; }
# The generated source is rebuilt whenever the data file changes.
function(kalodaya_embed_text target data_file symbol)
  get_filename_component(abs "${data_file}" ABSOLUTE)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${out} -DSYMBOL=${symbol}
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedTextScript.cmake"
    DEPENDS "${abs}" "${PROJECT_SOURCE_DIR}/cmake/EmbedTextScript.cmake"
    COMMENT "Embedding ${data_file}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
