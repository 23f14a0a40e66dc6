# The binary resources (icons, logo banner, licence agreement) become byte
# arrays of qmx_resources at build time, so the program carries them and the
# build needs no renderer; the version block takes the project's version.

set(QMX_WRITE_BYTE_ARRAY ${CMAKE_CURRENT_LIST_DIR}/WriteByteArray.cmake)

# qmx_embed_file(<file under src/resources> <function in EmbeddedFiles.h>)
function(qmx_embed_file file function)
  set(input ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${function}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DFUNCTION=${function}
            -P ${QMX_WRITE_BYTE_ARRAY}
    DEPENDS ${input} ${QMX_WRITE_BYTE_ARRAY}
    COMMENT "Compiling in ${file}"
    VERBATIM)
  target_sources(qmx_resources PRIVATE ${output})
endfunction()

foreach(size 256 48 32 24 16)
  qmx_embed_file(art/png/program-icon-${size}.png EmbeddedProgramIcon${size})
  qmx_embed_file(art/png/document-icon-${size}.png EmbeddedDocumentIcon${size})
endforeach()
qmx_embed_file(art/png/logo-banner.png EmbeddedLogoBanner)
qmx_embed_file(licence/LicenceAgreement.txt EmbeddedLicenceAgreement)

# A version without all four parts counts the missing ones as 0.
foreach(part MAJOR MINOR PATCH TWEAK)
  set(QMX_VERSION_${part} ${PROJECT_VERSION_${part}})
  if(QMX_VERSION_${part} STREQUAL "")
    set(QMX_VERSION_${part} 0)
  endif()
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/ConfiguredVersion.h.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/ConfiguredVersion.h @ONLY)
target_include_directories(qmx_resources PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
