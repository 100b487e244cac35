# quillfold_check_layers(): fails the configuration when a library of one
# layer folder links a library of a folder above it. The layers, lowest
# first, are the folders named in QUILLFOLD_LAYERS.

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

function(quillfold_check_layers)
    foreach(layer IN LISTS QUILLFOLD_LAYERS)
        get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${layer} PROPERTY BUILDSYSTEM_TARGETS)
        list(FIND QUILLFOLD_LAYERS ${layer} own)
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
