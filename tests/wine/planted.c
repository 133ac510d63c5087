int trailglint_planted_dll;
