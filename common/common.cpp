// Helpers shared by the pages.
