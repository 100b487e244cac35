# quillfold_check_layers(): fails the configuration when a library of one
# layer folder links a library of a folder above it, or when a source file
# of a layer folder includes a header of a folder above it. The layers,
# lowest first, are the folders named in QUILLFOLD_LAYERS.

# The layer index of the folder that defines `target`, or -1 for a target
# outside the layers (Qt, libjpeg, tests, tools).
function(_quillfold_layer_of target out)
    set(index -1)
    if(TARGET ${target})
        get_target_property(imported ${target} IMPORTED)
        if(NOT imported)
            get_target_property(dir ${target} SOURCE_DIR)
            file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
            list(FIND QUILLFOLD_LAYERS "${folder}" index)
        endif()
    endif()
    set(${out} ${index} PARENT_SCOPE)
endfunction()

# Fails when a file of `layer` includes "<folder>/..." for a layer folder
# above it.
function(_quillfold_check_includes layer own)
    file(GLOB sources ${PROJECT_SOURCE_DIR}/${layer}/*.cpp ${PROJECT_SOURCE_DIR}/${layer}/*.h)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" folder "${line}")
            list(FIND QUILLFOLD_LAYERS "${folder}" other)
            if(other GREATER own)
                file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${source})
                message(FATAL_ERROR "${shown} includes a header of ${folder}/, a layer above it")
            endif()
        endforeach()
    endforeach()
endfunction()

function(quillfold_check_layers)
    foreach(layer IN LISTS QUILLFOLD_LAYERS)
        list(FIND QUILLFOLD_LAYERS ${layer} own)
        _quillfold_check_includes(${layer} ${own})
        get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${layer} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target IN LISTS targets)
            get_target_property(links ${target} LINK_LIBRARIES)
            if(NOT links)
                continue()
            endif()
            foreach(link IN LISTS links)
                _quillfold_layer_of(${link} other)
                if(other GREATER own)
                    list(GET QUILLFOLD_LAYERS ${other} above)
                    message(FATAL_ERROR
                        "${target} in ${layer}/ links ${link} of ${above}/, a layer above it")
                endif()
            endforeach()
        endforeach()
    endforeach()
endfunction()
