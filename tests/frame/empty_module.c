/* A module with no exports of interest. */
int kv_empty_module_marker;
