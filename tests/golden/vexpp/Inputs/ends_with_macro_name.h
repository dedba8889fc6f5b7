f
